// The grids' image lists, drawn at run time so they stay sharp at any scale:
// availability status icons (24x24, indexes 0..10), yes/no icons and the
// picture mark, plus the availability code → icon map that goes with them.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <QVector>

namespace kt {

// Status list: 0 in stock (green check), 1 special order (star), 2 on the
// way (truck), 4 none (red cross), 5 being procured (hourglass), 8 please
// call (phone), 10 critical level (orange warning); 3, 6, 7, 9 unused.
const QVector<QPixmap> &durumSimgeleri();
// Yes/no list: 0 no (faint ring), 1 yes (green check), 2 unused.
const QVector<QPixmap> &evetHayirSimgeleri();
// Picture mark list: 0 has a picture (camera).
const QVector<QPixmap> &resimSimgeleri();

// Availability code → index in durumSimgeleri(). The second warehouse
// column has no "critical level" (code 6).
QHash<int, int> durumSimgeHaritasi(bool ikinciDepo = false);
// Availability code → its description ("Yok", "Var", …; code 5 reads
// "Tedarik" in the second warehouse column).
QHash<int, QString> durumAciklamalari(bool ikinciDepo = false);

// One icon drawn for an arbitrary size (legend, buttons).
QPixmap durumSimgesi(int indeks, int boy);

}  // namespace kt
