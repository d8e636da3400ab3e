// The menu items of the table window and their handlers.
#pragma once

class Form1;
class Jeu;

// Connects every menu item to its handler and gives the table its game flow,
// which lives as long as the table.
Jeu& ConnecteMenus(Form1& f);

// Closes the table window; the run ends when no window of it is left.
void MenuExit_Click(Form1& f);
