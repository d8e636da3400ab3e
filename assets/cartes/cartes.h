#pragma once
// The card sheets and the strip of backs, drawn in code. One call at a time:
// the three share caches of drawn shapes.

#include <QImage>

// Face sheets 923 x 384: 13 columns Ace..King by 4 rows hearts, clubs,
// diamonds, spades, cells of 71 x 96 without gaps.
QImage DessineTabCartes();   // "Typical" faces
QImage DessineTabCartes2();  // "Western" faces
// Eleven backs of 71 x 96 side by side at a pitch of 72: 791 x 96.
QImage DessineDosCartes();
