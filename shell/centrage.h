// Secondary windows open centred over the table window.
#pragma once

class QWidget;

// Top = table Top + (table Height - own Height) / 2, Left likewise, with
// the outer sizes of both windows. Nothing moves when there is no table.
void CentreSurTable(QWidget* fenetre, const QWidget* table);
