// The search box's key filter; see aramafiltresi.h.
#include "aramafiltresi.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace katalog {

QChar araeditKeyPress(QChar tus)
{
    switch (tus.unicode()) {
    case 0x011F: return u'g';   // ğ
    case 0x00FC: return u'u';   // ü
    case 0x015F: return u's';   // ş
    case 0x00F6: return u'o';   // ö
    case 0x00E7: return u'c';   // ç
    case 0x011E: return u'G';   // Ğ
    case 0x00DC: return u'U';   // Ü
    case 0x015E: return u'S';   // Ş
    case 0x0130: return u'I';   // İ
    case 0x00D6: return u'O';   // Ö
    case 0x00C7: return u'C';   // Ç
    case 0x0131: return u'I';   // ı
    default: return tus;
    }
}

namespace {

// The box's upper-case rule, applied to whatever reaches it.
QString buyuk(const QString &s) { return s.toUpper(); }

class BuyukHarf : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &girdi, int &) const override
    {
        girdi = buyuk(girdi);
        return Acceptable;
    }
};

}  // namespace

QString yazilmisMetin(const QString &metin)
{
    QString s;
    s.reserve(metin.size());
    for (QChar c : metin)
        s += araeditKeyPress(c);
    return buyuk(s);
}

AramaKutusuFiltresi::AramaKutusuFiltresi(QLineEdit *kutu, std::function<void()> ara, QObject *parent)
    : QObject(parent), kutu_(kutu), ara_(std::move(ara))
{
    kutu_->setValidator(new BuyukHarf(kutu_));
    kutu_->installEventFilter(this);
}

bool AramaKutusuFiltresi::eventFilter(QObject *nesne, QEvent *olay)
{
    if (nesne != kutu_ || olay->type() != QEvent::KeyPress)
        return QObject::eventFilter(nesne, olay);
    auto *tus = static_cast<QKeyEvent *>(olay);
    if (tus->key() == Qt::Key_Return || tus->key() == Qt::Key_Enter) {
        if (kutu_->isEnabled() && ara_)
            ara_();
        return true;
    }
    const QString metin = tus->text();
    if (metin.isEmpty() || (tus->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    QString cevrilmis;
    for (QChar c : metin)
        cevrilmis += araeditKeyPress(c);
    if (cevrilmis == metin)
        return false;   // the box handles it (and upper-cases it)
    kutu_->insert(cevrilmis);
    return true;
}

}  // namespace katalog
