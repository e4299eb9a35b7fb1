// The "Allports" look: the Fusion style with a calm slate/teal palette and
// a style sheet compiled into the program, plus the font substitutions that
// map the screens' Windows faces to the Debian fonts.
#pragma once

class QApplication;

namespace kt {

// Maps Tahoma → DejaVu Sans and Arial → Liberation Sans (and their
// relatives). Safe to call more than once.
void YaziTipleriniEsle();

// Applies the style to the application. False when the style sheet could not
// be loaded: the default look stays, the program goes on.
bool StilUygula(QApplication &uygulama);

}  // namespace kt
