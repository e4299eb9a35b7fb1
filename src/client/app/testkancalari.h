// Environment hooks for scripted runs (tests, screenshots); nothing happens
// unless the variables are set:
//
//   KORVEL_MESAJ_CEVAP=varsayilan   every message dialog answers at once with
//                                   its default button ("evet", "hayir",
//                                   "tamam", "vazgec" answer with that button
//                                   when the dialog has it); each message is
//                                   written to stderr as "MESAJ <type>: <text>".
//   KORVEL_GIRIS=AD:SIFRE           the login dialog is filled and "Giriş"
//                                   pressed as soon as it shows; "-" presses
//                                   "Vazgeç" instead.
//   KORVEL_CIKIS_MS=N               N ms after the main window shows, the
//                                   menu item "Çıkış" is chosen.
#pragma once

void OrtamKancalariniKur();
