// Stock search: what a parts dealer types — a code with or without its
// blanks, dashes, dots and slashes, an OEM or manufacturer number, or words of
// the description, make and model — finds the item.
//
// Two index structures, kept right by triggers on `stok` so that whoever
// writes stock items needs not know about them:
//  - stok_kod(kod, stok_id): every code of an item in its normal form (Turkish
//    letters folded, upper case, blanks/dashes/dots/slashes removed), for
//    exact and prefix code matches;
//  - stok_ara: a contentless FTS5 table of the item's words (description,
//    other name, make, model, groups, and the codes in normal form),
//    for word search with prefixes.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

namespace ks {

class Depo;

// Turkish letters to their plain Latin capitals (İ/ı/i→I, Ş→S, Ğ→G, Ü→U,
// Ö→O, Ç→C), ASCII letters upper-cased;
// everything else unchanged. The triggers apply the very same mapping in SQL.
QString aramaKatla(QStringView s);
// The normal form of a code: folded, without blanks, dashes, dots, slashes,
// backslashes and underscores.
QString kodNormal(QStringView s);

// The statements of the search schema step (tables, triggers, and the
// indexing of items already present), and of the step that adds the index's
// version counter (arama_surum) to the triggers.
QStringList aramaSemaAdimi();
QStringList aramaSurumAdimi();

// Bulk loads: aramaDiziniBeklet drops the triggers, so that stock items
// written afterwards are not indexed one by one; aramaDiziniYenile puts the
// triggers back and rebuilds both structures from `stok` (about twice as
// fast as indexing row by row). Both run inside the caller's transaction.
void aramaDiziniBeklet(const QSqlDatabase &db);
void aramaDiziniYenile(const QSqlDatabase &db);
// The same rebuild in a transaction of its own (also for repair).
void aramaDiziniYenile(Depo &d);

// Item numbers that match `metin`, best first: exact code matches, then code
// prefix matches (for a text with a digit in it), then items that match every
// word; at most `sinir`. A blank text matches nothing.
QVector<int> stokAra(const QSqlDatabase &db, const QString &metin, int sinir);

// Most index words one query prefix is turned into; beyond it the prefix is
// left to the index.
constexpr int kEnCokTerim = 200;

// The index words (lower case) that start with a prefix, or nullopt when
// there are more than kEnCokTerim.
using TerimAcici = std::function<std::optional<QStringList>(const QString &onek)>;

// The FTS5 query for the words of `metin`: every word must match, as a
// prefix of a word of the item. Empty when the text has no words (groups of
// digits only are a code, not words); nullopt when some word cannot match
// anything. Exposed for tests.
std::optional<QString> kelimeSorgusu(const QString &metin, const TerimAcici &ac);

}  // namespace ks
