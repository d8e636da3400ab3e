// Records the links handed to the desktop instead of opening them.
#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <string>
#include <vector>

class CapteurLiens : public QObject {
    Q_OBJECT
public:
    CapteurLiens() {
        for (const char* s : {"mailto", "http", "https"})
            QDesktopServices::setUrlHandler(s, this, "Ouvre");
    }
    ~CapteurLiens() override {
        for (const char* s : {"mailto", "http", "https"}) QDesktopServices::unsetUrlHandler(s);
    }
    std::vector<std::string> cibles;

public slots:
    void Ouvre(const QUrl& url) { cibles.push_back(url.toEncoded().toStdString()); }
};
