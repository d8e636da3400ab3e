#pragma once
// An indexed group of controls, with holes: `TramePlaque`(0, 1, 2, 6, 7).

#include <QtGlobal>

#include <array>
#include <initializer_list>

template <typename T, int N>
class Groupe {
public:
    T& operator[](int i) const {
        if (i < 0 || i >= N || !c_[i]) qFatal("Groupe: no control at index %d", i);
        return *c_[i];
    }
    T& operator()(int i) const { return (*this)[i]; }
    void Pose(int i, T* c) { c_[i] = c; }
    bool Contient(int i) const { return i >= 0 && i < N && c_[i]; }

private:
    std::array<T*, N> c_{};
};
