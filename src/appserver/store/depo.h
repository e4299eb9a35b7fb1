// The server's store: one SQLite file (WAL), a connection per worker thread,
// every write in one immediate transaction, bound parameters only.
#pragma once

#include "tablo.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <memory>
#include <stdexcept>

namespace ks {

class DepoHatasi : public std::runtime_error {
public:
    explicit DepoHatasi(const QString &m) : std::runtime_error(m.toStdString()) {}
};

class Depo {
public:
    // Opens (creating when missing) and migrates the store on this thread.
    explicit Depo(const QString &yol);
    ~Depo();
    Depo(const Depo &) = delete;
    Depo &operator=(const Depo &) = delete;

    // The calling thread's connection, opened on first use.
    QSqlDatabase db() const;
    const QString &yol() const { return yol_; }
    int surum() const;

    // A value of the settings table (ayar), or `varsayilan` when unset.
    QString ayar(const QString &anahtar, const QString &varsayilan = {}) const;
    void ayarYaz(const QString &anahtar, const QString &deger);

private:
    void gocEt();
    QString yol_;
    QString onek_;   // connection names of this store start with it
};

// A write transaction. BEGIN IMMEDIATE takes the write lock at once, so two
// writers queue up instead of one failing on a stale snapshot.
class Islem {
public:
    explicit Islem(const Depo &d);
    ~Islem();
    void onayla();
    QSqlDatabase &db() { return db_; }

private:
    QSqlDatabase db_;
    bool acik_ = true;
};

// A prepared statement taken from the thread's cache; throws DepoHatasi on
// failure. Values are bound positionally (`?`).
struct OnbellekKaydi;

class Sorgu {
public:
    Sorgu(const QSqlDatabase &db, const QString &sql);
    Sorgu(const Depo &d, const QString &sql) : Sorgu(d.db(), sql) {}
    ~Sorgu();

    Sorgu &bagla(const QVariant &v);
    Sorgu &bagla(std::initializer_list<QVariant> v);
    Sorgu &calistir();
    bool sonraki() { return q_->next(); }
    QVariant deger(int i) const { return q_->value(i); }
    QSqlQuery &q() { return *q_; }
    qint64 sonEklenen() const;    // rowid of the last INSERT
    int etkilenen() const { return q_->numRowsAffected(); }

    // Reads the whole result into a table whose columns are given in select order.
    kw::Tablo tablo(std::initializer_list<kw::Kolon> kolonlar);
    kw::Tablo tablo(const QVector<kw::Kolon> &kolonlar);

private:
    std::shared_ptr<OnbellekKaydi> k_;
    QSqlQuery *q_;
    int sira_ = 0;
};

// Convenience: run one statement with its values, nothing read back.
void calistir(const QSqlDatabase &db, const QString &sql, std::initializer_list<QVariant> degerler = {});

}  // namespace ks
