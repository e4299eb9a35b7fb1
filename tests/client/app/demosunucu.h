// A demo korvel-server for the login tests, with this workstation
// registered for the demo user a test names.
#pragma once

#include "sunucusureci.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

class DemoSunucu {
public:
    kt::SunucuSureci s{20};

    bool baslat(QString *hata)
    {
        if (!s.baslat()) {
            *hata = s.hata();
            return false;
        }
        // The login edits turn what is typed into capitals, so accounts are
        // kept in capitals too.
        return calistir(QStringLiteral("UPDATE kullanici SET adi = upper(adi)"), {}, hata);
    }

    // Registers workstation `id` for the user `adi` (in place of another).
    bool kaydet(const QString &adi, const QString &id)
    {
        return s.yonetim({QStringLiteral("register"), adi, id, QStringLiteral("test")}) == 0;
    }

    QString adres() const { return QStringLiteral("127.0.0.1:%1").arg(s.port()); }

private:
    bool calistir(const QString &sql, const QVariantList &degerler, QString *hata)
    {
        const QString ad = QUuid::createUuid().toString();
        bool tamam = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad);
            db.setDatabaseName(s.dbYolu());
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
            if (db.open()) {
                QSqlQuery q(db);
                q.prepare(sql);
                for (const QVariant &d : degerler)
                    q.addBindValue(d);
                tamam = q.exec();
                if (!tamam)
                    *hata = q.lastError().text();
            } else {
                *hata = db.lastError().text();
            }
        }
        QSqlDatabase::removeDatabase(ad);
        return tamam;
    }
};
