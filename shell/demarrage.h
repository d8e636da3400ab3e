// Start-up of the table window: everything the game needs before the first
// menu choice, in a fixed order, ending with the intro window.
#pragma once

#include <string>

class Form1;

// The settings directory: `dossier`, in the bytes the system names it by,
// with one trailing separator; empty stays empty, the current folder.
std::string CheminReglages(std::string dossier);

// The load step of the table window, run once before the event loop. Shows
// the table, then over it the language dialog (first start only) and the
// intro, modally; returns when the intro is closed.
void Form_Load(Form1& f);

// The table laid out as the start-up leaves it, without its dialogs: the
// layout constants, the buttons at their places and the frame of the cards.
void DisposeTable(Form1& f);

// French menu captions and button pictures when the language is "FR";
// nothing otherwise.
void LangueMenu(Form1& f);

// Window size of the table, from twips at 15 twips a pixel.
inline constexpr int LargeurTableTwips = 10170;
inline constexpr int HauteurTableTwips = 8330;
inline constexpr int TwipsParPixel = 15;
