// Product pictures of stock items, drawn from the item's own data: the part's
// silhouette (chosen by its description), its code and make, in four views.
// The same item and view always give the same picture.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace ks {

class Depo;

struct StokResmiBilgisi {
    int id = 0;
    QString barkod, adi, marka, model, anagrup;
};

// View `no` 1..4: 1 front, 2 angled with shadow, 3 technical outline with
// dimensions, 4 in its box.
QImage stokResmiCiz(const StokResmiBilgisi &b, int no, QSize boyut);

struct KodlanmisResim {
    QByteArray veri;
    QByteArray icerikTipi;   // "image/jpeg", "image/png", "image/bmp"
};

// Picture `no` of stock `id` as the web site serves it: 1 and 4 as JPEG, 2 as
// PNG, 3 as BMP. Nothing when the item is unknown or has fewer pictures.
std::optional<KodlanmisResim> stokResmi(const Depo &d, int id, int no);

// The large picture (view 1) as JPEG; empty when the item is unknown or has
// no picture.
QByteArray stokBuyukResmi(const Depo &d, int id);

}  // namespace ks
