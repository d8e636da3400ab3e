// Secondary windows open centred over the table window.
#pragma once

#include <functional>

class QWidget;

// Top = table Top + (table Height - own Height) / 2, Left likewise, with
// the outer sizes of both windows. Nothing moves when there is no table.
void PlaceSurTable(QWidget* fenetre, const QWidget* table);

// Places the window now, and again once its frame is known: a window
// manager frames a window only after it is shown, so the first window of a
// run cannot be placed by its outer size before.
void CentreSurTable(QWidget* fenetre, const QWidget* table);

// Runs `action` once, as soon as the shown window has a known frame (a
// window without a frame never runs it).
void QuandCadreConnu(QWidget* fenetre, std::function<void()> action);
