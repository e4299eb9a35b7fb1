// The Turkish message dialog every window uses: title by type, a beep,
// Turkish button captions, the named default button focused, modal result
// numbers as the rest of the program expects them (Yes 6, No 7, OK 1,
// Cancel 2 …).
#pragma once

#include <QList>
#include <QString>
#include <functional>

namespace kt {

enum class MesajTipi { Uyari = 0, Hata = 1, Bilgi = 2, Soru = 3, Ozel = 4 };

// In the platform's order, which is also the order of the buttons shown.
enum class Dugme { Evet = 0, Hayir, Tamam, Vazgec, Iptal, Tekrar, Atla, Tumu, TumuneHayir, TumuneEvet, Yardim, Kapat };

enum ModalSonuc {
    mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7,
    mrClose = 8, mrHelp = 9, mrAll = 12, mrNoToAll = 13, mrYesToAll = 14,
};

// Shows the dialog modally over the active window (centred on the screen
// when there is none) and returns the modal result. `varsayilan` gets the
// focus; when it is not among `dugmeler` the first button does. Escape
// answers with Vazgeç, else Hayır, else Tamam (when the dialog has them);
// closing the window answers mrCancel. Callable from any thread: from a
// worker it runs on the UI thread and the worker waits.
int MesajGoster(const QString &metin, MesajTipi tip, const QList<Dugme> &dugmeler, Dugme varsayilan);

QString mesajBasligi(MesajTipi tip);   // "Uyarı", "Hata", "Bilgi", "Soru"; the application title otherwise
QString dugmeBasligi(Dugme d);         // "Evet", "Hayır", "Tamam", "Vazgeç" …
int dugmeSonucu(Dugme d);              // the modal result of a button

// Tests and scripted runs: while a hook is set, MesajGoster asks it instead
// of showing a dialog and returns its answer.
struct MesajBilgisi {
    QString metin;
    MesajTipi tip;
    QList<Dugme> dugmeler;
    Dugme varsayilan;
};
using MesajKancasi = std::function<int(const MesajBilgisi &)>;
void MesajKancasiKur(MesajKancasi kanca);   // an empty function removes it

}  // namespace kt
