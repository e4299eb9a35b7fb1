// The search box of the stock list: Turkish letters typed into it become
// their plain Latin letters, every letter shows in upper case, and Enter
// starts a search.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;

namespace katalog {

// The key filter: a typed Turkish letter → its plain Latin letter
// ("ğ"→"g", "ı"→"I", "İ"→"I", "Ş"→"S" …); every other key unchanged
// (Enter included, which the caller turns into a search).
QChar araeditKeyPress(QChar tus);

// What the box holds after `metin` was typed into it key by key: each key
// filtered, then upper-cased as the box does with everything it holds.
QString yazilmisMetin(const QString &metin);

// Hooks the filter onto the box: typed keys go through araeditKeyPress,
// the whole text (pasted text too) is kept in upper case, and Enter calls
// `ara` — only while the box is enabled, which it is not during a search.
class AramaKutusuFiltresi : public QObject {
    Q_OBJECT
public:
    AramaKutusuFiltresi(QLineEdit *kutu, std::function<void()> ara, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *nesne, QEvent *olay) override;

private:
    QLineEdit *kutu_;
    std::function<void()> ara_;
};

}  // namespace katalog
