// GIF89a writer (Qt reads GIF but cannot write it): one picture or an
// animated strip of pictures, LZW-compressed, 256 colours per frame.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

namespace ks::belge {

// A still GIF of the picture. Transparent parts are laid on white: banners
// sit on coloured bars whose colour the server does not know.
QByteArray gifYaz(const QImage &resim);

// An endlessly looping animation; every frame is scaled to the size of the
// first. `gecikmeMs` is the time each frame stays, rounded to 1/100 s.
QByteArray gifAnimasyonYaz(const QVector<QImage> &kareler, int gecikmeMs);

// The LZW code stream of one frame's palette indices (without the
// sub-block framing), as the GIF decoder expects it. Exposed for tests.
QByteArray gifLzw(const QByteArray &indeksler, int enKucukKodBoyu);

}  // namespace ks::belge
