#include "stokarama.h"

#include "store/depo.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <algorithm>
#include <optional>

namespace ks {

namespace {

struct Harf {
    char16_t kaynak;
    char hedef;
};

// The one folding table: C++ applies it to the query, SQL to the index.
// (SQLite's parser allows only so many nested calls, so the table stays
// short; circumflexed vowels are left to the word tokenizer.)
constexpr Harf kHarfler[] = {
    {u'ı', 'I'}, {u'İ', 'I'}, {u'ş', 'S'}, {u'Ş', 'S'}, {u'ğ', 'G'}, {u'Ğ', 'G'},
    {u'ü', 'U'}, {u'Ü', 'U'}, {u'ö', 'O'}, {u'Ö', 'O'}, {u'ç', 'C'}, {u'Ç', 'C'},
};

// Separators a code is written with; its normal form drops them.
constexpr char kKodAyraclari[] = " -./\\_";

QChar katla(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z')
        return QChar(u - 32);
    if (u < 128)
        return c;
    for (const Harf &h : kHarfler)
        if (h.kaynak == u)
            return QChar::fromLatin1(h.hedef);
    return c;
}

bool kodAyraci(QChar c)
{
    for (const char *p = kKodAyraclari; *p; ++p)
        if (c == QLatin1Char(*p))
            return true;
    return false;
}

QString sqlMetni(QChar c)
{
    return c == u'\'' ? QStringLiteral("''''") : QStringLiteral("'%1'").arg(c);
}

// SQL for aramaKatla(ifade). SQLite's upper() changes ASCII letters only,
// exactly like katla(). Most texts are plain ASCII (as many bytes as
// characters) and skip the replace chain.
QString katlaSql(const QString &ifade)
{
    QString s = ifade;
    for (const Harf &h : kHarfler)
        s = QStringLiteral("replace(%1,'%2','%3')").arg(s, QChar(h.kaynak), QChar::fromLatin1(h.hedef));
    return QStringLiteral("upper(CASE WHEN length(CAST(%1 AS BLOB)) = length(%1) THEN %1 ELSE %2 END)").arg(ifade, s);
}

QString ayraclariSilSql(QString s)
{
    for (const char *p = kKodAyraclari; *p; ++p)
        s = QStringLiteral("replace(%1,%2,'')").arg(s, sqlMetni(QLatin1Char(*p)));
    return s;
}

QString kodSql(const QString &ifade) { return ayraclariSilSql(katlaSql(ifade)); }

const char *const kKodKolonlari[] = {"barkod", "oem1", "oem2", "oem3", "oem4", "oemno", "ureticikodu", "finishkod"};
const char *const kMetinKolonlari[] = {"adi", "digeradi", "marka", "model", "anagrup", "ozelkod"};

// One code of an item: its SQL and the condition under which it is there.
struct KodIfadesi {
    QString ifade, kosul;
};

// The codes of the item of `onek` ("new", "old" or a table alias). A
// manufacturer code is often written behind the maker's name ("BOSCH 0 986
// 494 407", "MANN W 712/95"); dealers type it without, so it also counts
// without a leading word of letters only.
QVector<KodIfadesi> kodIfadeleri(const QString &onek)
{
    QVector<KodIfadesi> l;
    for (const char *k : kKodKolonlari) {
        const QString kolon = onek + u'.' + QLatin1String(k);
        l.push_back({kolon, QStringLiteral("%1 <> ''").arg(kolon)});
    }
    const QString u = onek + QStringLiteral(".ureticikodu");
    const QString bosluk = QStringLiteral("instr(%1, ' ')").arg(u);
    l.push_back({QStringLiteral("substr(%1, %2 + 1)").arg(u, bosluk),
                 QStringLiteral("%2 > 2 AND substr(%1, 1, %2 - 1) NOT GLOB '*[^A-Za-zÇĞİÖŞÜçğıöşü]*'").arg(u, bosluk)});
    return l;
}

// One statement per code: the normal form goes in only when the code is
// there. (Separate statements cost less per row than one UNION.)
QString kodlariEkleSql(const QString &onek, const QString &id)
{
    QString s;
    for (const KodIfadesi &k : kodIfadeleri(onek))
        s += QStringLiteral("INSERT OR IGNORE INTO stok_kod(kod, stok_id) SELECT %1, %2 WHERE %3;\n")
                 .arg(kodSql(k.ifade), id, k.kosul);
    return s;
}

// The words of the item for the FTS table: description, other name, make,
// model and groups as written (the tokenizer folds case and diacritics
// itself; only the dotless and dotted I need help), and the codes without
// their separators so that "BOSCH 0986494" finds "0 986 494 123".
QString metinSql(const QString &onek)
{
    QStringList l;
    for (const char *k : kMetinKolonlari)
        l << onek + u'.' + QLatin1String(k);
    // A manufacturer code behind the maker's name goes in as the name and
    // the code ("BOSCH 0986494407"), not as one word per item that would
    // bury "BOSCH" among a hundred thousand words starting with it.
    const QVector<KodIfadesi> kodlar = kodIfadeleri(onek);
    const KodIfadesi &markasiz = kodlar.last();
    for (const KodIfadesi &k : kodlar) {
        if (&k == &markasiz)
            continue;
        QString ifade = ayraclariSilSql(k.ifade);
        if (k.ifade.endsWith(QLatin1String(".ureticikodu")))
            ifade = QStringLiteral("CASE WHEN %1 THEN substr(%2, 1, instr(%2, ' ')) || %3 ELSE %4 END")
                        .arg(markasiz.kosul, k.ifade, ayraclariSilSql(markasiz.ifade), ifade);
        l << ifade;
    }
    return QStringLiteral("replace(replace(%1,'ı','I'),'İ','I')").arg(l.join(QStringLiteral(" || ' ' || ")));
}

QString kodDoldurSql()
{
    QStringList l;
    for (const KodIfadesi &k : kodIfadeleri(QStringLiteral("s")))
        l << QStringLiteral("SELECT s.id AS id, %1 AS k FROM stok s WHERE %2").arg(kodSql(k.ifade), k.kosul);
    // Sorted, so the index is written in key order.
    return QStringLiteral("INSERT OR IGNORE INTO stok_kod(kod, stok_id) SELECT k, id FROM (%1) ORDER BY k, id")
        .arg(l.join(QStringLiteral(" UNION ALL ")));
}

QString ftsDoldurSql()
{
    return QStringLiteral("INSERT INTO stok_ara(rowid, metin) SELECT s.id, %1 FROM stok s").arg(metinSql(QStringLiteral("s")));
}

QString eskiyiSilSql()
{
    QStringList kodlar;
    for (const KodIfadesi &k : kodIfadeleri(QStringLiteral("old")))
        kodlar << kodSql(k.ifade);
    return QStringLiteral("DELETE FROM stok_kod WHERE stok_id = old.id AND kod IN (%1);\n"
                          "INSERT INTO stok_ara(stok_ara, rowid, metin) VALUES('delete', old.id, %2);")
        .arg(kodlar.join(QStringLiteral(", ")), metinSql(QStringLiteral("old")));
}

QString yeniyiEkleSql()
{
    return kodlariEkleSql(QStringLiteral("new"), QStringLiteral("new.id"))
        + QStringLiteral("INSERT INTO stok_ara(rowid, metin) VALUES(new.id, %1);").arg(metinSql(QStringLiteral("new")));
}

// The triggers that keep both structures right. With `surumlu` they also
// count the index's version, so that cached prefix expansions expire.
QStringList tetikleyiciler(bool surumlu)
{
    QStringList kolonlar;
    for (const char *k : kMetinKolonlari)
        kolonlar << QLatin1String(k);
    for (const char *k : kKodKolonlari)
        kolonlar << QLatin1String(k);
    const QString say = surumlu ? QStringLiteral("\nUPDATE arama_surum SET n = n + 1;") : QString();
    return {
        QStringLiteral("CREATE TRIGGER stok_ara_ekle AFTER INSERT ON stok BEGIN\n%1%2\nEND").arg(yeniyiEkleSql(), say),
        QStringLiteral("CREATE TRIGGER stok_ara_sil AFTER DELETE ON stok BEGIN\n%1%2\nEND").arg(eskiyiSilSql(), say),
        QStringLiteral("CREATE TRIGGER stok_ara_degis AFTER UPDATE OF id, %1 ON stok BEGIN\n%2\n%3%4\nEND")
            .arg(kolonlar.join(QStringLiteral(", ")), eskiyiSilSql(), yeniyiEkleSql(), say),
    };
}

const QStringList kTetikleyiciAdlari = {QStringLiteral("stok_ara_ekle"), QStringLiteral("stok_ara_sil"),
                                        QStringLiteral("stok_ara_degis")};

void hepsiniCalistir(const QSqlDatabase &db, const QStringList &sqller)
{
    QSqlQuery q(db);
    for (const QString &sql : sqller)
        if (!q.exec(sql))
            throw DepoHatasi(QStringLiteral("Arama dizini: %1\n%2").arg(q.lastError().text(), sql.left(200)));
}

bool harfRakam(QStringView s)
{
    for (QChar c : s)
        if (!c.isLetterOrNumber())
            return false;
    return !s.isEmpty();
}

}  // namespace

QString aramaKatla(QStringView s)
{
    QString r;
    r.reserve(s.size());
    for (QChar c : s)
        r.append(katla(c));
    return r;
}

QString kodNormal(QStringView s)
{
    QString r;
    r.reserve(s.size());
    for (QChar c : s)
        if (!kodAyraci(c))
            r.append(katla(c));
    return r;
}

QStringList aramaSemaAdimi()
{
    return QStringList{
               QStringLiteral("CREATE TABLE stok_kod (kod TEXT NOT NULL, stok_id INTEGER NOT NULL, "
                              "PRIMARY KEY (kod, stok_id)) WITHOUT ROWID"),
               // Contentless: the words are only searched, never read back.
               // Rowids are item numbers; results come in item order without
               // ranking, so a capped search stops early. Prefixes of 2 and 3
               // letters are indexed.
               QStringLiteral("CREATE VIRTUAL TABLE stok_ara USING fts5(metin, content='', detail=none, columnsize=0, "
                              "tokenize='unicode61 remove_diacritics 2', prefix='2 3')"),
               // Its words, for turning a prefix into the words it starts.
               QStringLiteral("CREATE VIRTUAL TABLE stok_ara_terim USING fts5vocab(stok_ara, 'row')"),
               kodDoldurSql(),
               ftsDoldurSql(),
           }
        + tetikleyiciler(false);
}

QStringList aramaSurumAdimi()
{
    QStringList l{QStringLiteral("CREATE TABLE arama_surum (n INTEGER NOT NULL)"),
                  QStringLiteral("INSERT INTO arama_surum(n) VALUES(0)")};
    for (const QString &t : kTetikleyiciAdlari)
        l << QStringLiteral("DROP TRIGGER %1").arg(t);
    return l + tetikleyiciler(true);
}

void aramaDiziniBeklet(const QSqlDatabase &db)
{
    QStringList l;
    for (const QString &t : kTetikleyiciAdlari)
        l << QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(t);
    hepsiniCalistir(db, l);
}

void aramaDiziniYenile(const QSqlDatabase &db)
{
    aramaDiziniBeklet(db);
    hepsiniCalistir(db, QStringList{QStringLiteral("DELETE FROM stok_kod"),
                                    QStringLiteral("INSERT INTO stok_ara(stok_ara) VALUES('delete-all')"),
                                    kodDoldurSql(), ftsDoldurSql(),
                                    QStringLiteral("UPDATE arama_surum SET n = n + 1")}
                            + tetikleyiciler(true));
}

void aramaDiziniYenile(Depo &d)
{
    Islem t(d);
    aramaDiziniYenile(t.db());
    t.onayla();
}

namespace {

QStringList jetonlar(const QString &kelime)
{
    // The tokenizer splits on everything but letters and digits; so do we.
    QStringList l;
    QString j;
    for (QChar c : kelime) {
        if (c.isLetterOrNumber()) {
            j.append(c);
        } else if (!j.isEmpty()) {
            l << j;
            j.clear();
        }
    }
    if (!j.isEmpty())
        l << j;
    return l;
}

bool ascii(const QString &s)
{
    for (QChar c : s)
        if (c.unicode() >= 128)
            return false;
    return true;
}

// One token of the query; nullopt when no word of the index starts with it.
std::optional<QString> jetonIfadesi(const QString &t, const TerimAcici &ac)
{
    // A one-letter token is taken whole: as a prefix it would match half the
    // catalogue. Two and three letters have prefix indexes of their own.
    if (t.size() == 1)
        return QStringLiteral("\"%1\"").arg(t);
    if (t.size() <= 3 || !ascii(t) || !ac)
        return QStringLiteral("\"%1\"*").arg(t);
    // A longer prefix would make the index merge the posting lists of every
    // word it starts before answering; the words themselves, ORed, are read
    // lazily and stop at the cap.
    const std::optional<QStringList> terimler = ac(t.toLower());
    if (!terimler)
        return QStringLiteral("\"%1\"*").arg(t);
    if (terimler->isEmpty())
        return std::nullopt;
    QStringList l;
    for (const QString &x : *terimler)
        l << QStringLiteral("\"%1\"").arg(x);
    return l.size() == 1 ? l.first() : QStringLiteral("(%1)").arg(l.join(QStringLiteral(" OR ")));
}

}  // namespace

std::optional<QString> kelimeSorgusu(const QString &metin, const TerimAcici &ac)
{
    static const QRegularExpression bosluk(QStringLiteral("\\s+"));
    const QStringList kelimeler = aramaKatla(metin).split(bosluk, Qt::SkipEmptyParts);
    // Groups of digits ("0 986 494 407") are a code written with blanks,
    // which the code index answers; as words they match any number.
    static const QRegularExpression rakamlar(QStringLiteral("^[0-9.\\-/]+$"));
    if (kelimeler.size() > 1 && std::all_of(kelimeler.begin(), kelimeler.end(), [](const QString &k) {
            return rakamlar.match(k).hasMatch();
        }))
        return QString();
    QStringList parcalar;
    for (const QString &kelime : kelimeler) {
        const QStringList j = jetonlar(kelime);
        if (j.isEmpty())
            continue;
        // Every token of the word, or the word as one code without its
        // separators ("1.6" is "1" and "6", or "16"). Letters and digits
        // together ("SA-002-106") make a code: its pieces are no words.
        const QString b = j.size() > 1 ? kodNormal(kelime) : QString();
        const bool kod = harfRakam(b) && std::any_of(b.begin(), b.end(), [](QChar c) { return c.isDigit(); })
                         && std::any_of(b.begin(), b.end(), [](QChar c) { return c.isLetter(); });
        std::optional<QString> ve;
        QStringList vel;
        for (const QString &t : j) {
            const std::optional<QString> x = kod ? std::nullopt : jetonIfadesi(t, ac);
            if (!x) {
                vel.clear();
                break;
            }
            vel << *x;
        }
        if (!vel.isEmpty())
            ve = vel.size() == 1 ? vel.first() : QStringLiteral("(%1)").arg(vel.join(QStringLiteral(" AND ")));
        std::optional<QString> bitisik;
        if (harfRakam(b))
            bitisik = jetonIfadesi(b, ac);
        if (ve && bitisik)
            parcalar << QStringLiteral("(%1 OR %2)").arg(*ve, *bitisik);
        else if (ve || bitisik)
            parcalar << (ve ? *ve : *bitisik);
        else
            return std::nullopt;   // this word matches nothing, so neither does the text
    }
    return parcalar.join(QStringLiteral(" AND "));
}

namespace {

// Prefix → index words, for one version of the index.
class TerimOnbellegi {
public:
    std::optional<std::optional<QStringList>> al(qint64 surum, const QString &onek)
    {
        QMutexLocker l(&m_);
        if (surum != surum_)
            return std::nullopt;
        const auto it = h_.constFind(onek);
        if (it == h_.constEnd())
            return std::nullopt;
        return *it;
    }

    void koy(qint64 surum, const QString &onek, const std::optional<QStringList> &terimler)
    {
        QMutexLocker l(&m_);
        if (surum != surum_ || h_.size() >= kEnCok) {
            h_.clear();
            surum_ = surum;
        }
        h_.insert(onek, terimler);
    }

private:
    static constexpr int kEnCok = 50000;
    QMutex m_;
    qint64 surum_ = -1;
    QHash<QString, std::optional<QStringList>> h_;
};

TerimOnbellegi &terimOnbellegi()
{
    static TerimOnbellegi o;
    return o;
}

}  // namespace

QVector<int> stokAra(const QSqlDatabase &db, const QString &metin, int sinir)
{
    QVector<int> idler;
    if (sinir <= 0)
        return idler;
    QSet<int> gorulen;
    auto topla = [&](Sorgu &s) {
        while (idler.size() < sinir && s.sonraki()) {
            const int id = s.deger(0).toInt();
            if (!gorulen.contains(id)) {
                gorulen.insert(id);
                idler.push_back(id);
            }
        }
    };
    const QString ust = QString::fromUcs4(U"\U0010FFFF");

    const QString kod = kodNormal(metin.trimmed());
    if (!kod.isEmpty()) {
        Sorgu tam(db, QStringLiteral("SELECT stok_id FROM stok_kod WHERE kod = ? ORDER BY stok_id LIMIT ?"));
        tam.bagla({kod, sinir}).calistir();
        topla(tam);
        // A prefix counts as a code only when it looks like one: with a
        // digit in it, "SAG" is the word SAĞ, not the start of "SA 002-444".
        const bool kodGibi = kod.size() >= 3 && std::any_of(kod.begin(), kod.end(), [](QChar c) { return c.isDigit(); });
        if (idler.size() < sinir && kodGibi) {
            Sorgu onek(db, QStringLiteral("SELECT stok_id FROM stok_kod WHERE kod > ? AND kod < ? ORDER BY kod, stok_id LIMIT ?"));
            onek.bagla({kod, kod + ust, sinir + int(idler.size())}).calistir();
            topla(onek);
        }
    }
    if (idler.size() >= sinir)
        return idler;

    // Reading the words of a prefix walks the posting lists of each of them,
    // so expansions are kept until the index changes.
    qint64 surum = -1;
    const TerimAcici ac = [&](const QString &onek) -> std::optional<QStringList> {
        if (surum < 0) {
            Sorgu s(db, QStringLiteral("SELECT n FROM arama_surum"));
            s.calistir();
            surum = s.sonraki() ? s.deger(0).toLongLong() : 0;
        }
        if (auto x = terimOnbellegi().al(surum, onek))
            return *x;
        Sorgu s(db, QStringLiteral("SELECT term FROM stok_ara_terim WHERE term >= ? AND term < ? LIMIT ?"));
        s.bagla({onek, onek + ust, kEnCokTerim + 1}).calistir();
        QStringList l;
        while (s.sonraki())
            l << s.deger(0).toString();
        const std::optional<QStringList> sonuc = l.size() > kEnCokTerim ? std::nullopt : std::optional(l);
        terimOnbellegi().koy(surum, onek, sonuc);
        return sonuc;
    };
    const std::optional<QString> fts = kelimeSorgusu(metin, ac);
    if (fts && !fts->isEmpty()) {
        Sorgu k(db, QStringLiteral("SELECT rowid FROM stok_ara WHERE stok_ara MATCH ? LIMIT ?"));
        k.bagla({*fts, sinir + int(idler.size())}).calistir();
        topla(k);
    }
    return idler;
}

}  // namespace ks
