// Workstation identity: the pure rules with tables of cases, the searches
// over laid-out /sys trees, and the functions on this machine.
#include "utils.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

namespace {

// A small file tree standing in for /sys, /dev and /run.
struct Agac {
    QTemporaryDir kok;
    QString yol(const QString &g) const { return kok.filePath(g); }
    void dosya(const QString &g, const QByteArray &icerik) const
    {
        QDir().mkpath(QFileInfo(yol(g)).absolutePath());
        QFile f(yol(g));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(icerik);
    }
    void klasor(const QString &g) const { QDir().mkpath(yol(g)); }
    void bag(const QString &hedef, const QString &g) const
    {
        QDir().mkpath(QFileInfo(yol(g)).absolutePath());
        QVERIFY(QFile::link(hedef, yol(g)));
    }
    void sil(const QString &g) const
    {
        QFileInfo fi(yol(g));
        if (fi.isDir() && !fi.isSymLink())
            QDir(yol(g)).removeRecursively();
        else
            QFile::remove(yol(g));
    }
};

}  // namespace

class TstKimlik : public QObject {
    Q_OBJECT

private slots:
    void kimlikAdimlari_data();
    void kimlikAdimlari();
    void macBicimi_data();
    void macBicimi();
    void byIdAdlari_data();
    void byIdAdlari();
    void adSiniri();
    void diskArama();
    void adaptorArama();
    void ayarKlasoru();
    void buMakine();
};

void TstKimlik::kimlikAdimlari_data()
{
    QTest::addColumn<QString>("disk");
    QTest::addColumn<QString>("mac");
    QTest::addColumn<QStringList>("ikame");   // serial 1, serial 2, fixed ID
    QTest::addColumn<QString>("beklenen");
    const QStringList bos{QString(), QString(), QString()};
    const QStringList site{QStringLiteral("WD-WCC4E0000001"), QStringLiteral("  wd-wcc4e 0000002 "),
                           QStringLiteral("100200300400")};

    QTest::newRow("ic ve son bosluklar") << "WD-WCC 4E12 34 " << "AA-BB-CC-DD-EE-FF" << bos << "WD-WCC4E1234";
    QTest::newRow("bas bosluklari") << "     S3Z9NB0K123456" << "" << bos << "S3Z9NB0K123456";
    QTest::newRow("disk yok, mac") << "" << "02-FC-00-00-00-01" << bos << "02-FC-00-00-00-01";
    QTest::newRow("yalniz bosluk disk") << "   " << "02-FC-00-00-00-01" << bos << "02-FC-00-00-00-01";
    QTest::newRow("sifir mac kalir") << "" << "00-00-00-00-00-00" << bos << "00-00-00-00-00-00";
    QTest::newRow("hicbiri") << "" << "" << bos << "";
    QTest::newRow("ikame 1") << "WD-WCC4E0000001" << "" << site << "100200300400";
    QTest::newRow("ikame 2 bicimsiz yazilmis") << "WD-WCC4E 0000002" << "" << site << "100200300400";
    QTest::newRow("ikame disi") << "WD-WCC4E0000003" << "" << site << "WD-WCC4E0000003";
    QTest::newRow("bos kimlik ikame edilmez") << "" << "" << QStringList{QString(), QString(), QStringLiteral("100200300400")} << "";
    QTest::newRow("sabit yoksa ikame yok") << "WD-WCC4E0000001" << "" << QStringList{site[0], site[1], QString()} << "WD-WCC4E0000001";
}

void TstKimlik::kimlikAdimlari()
{
    QFETCH(QString, disk);
    QFETCH(QString, mac);
    QFETCH(QStringList, ikame);
    QFETCH(QString, beklenen);
    QCOMPARE(kimlik::kimlikOlustur(disk, mac, {ikame[0], ikame[1], ikame[2]}), beklenen);
}

void TstKimlik::macBicimi_data()
{
    QTest::addColumn<QString>("sys");
    QTest::addColumn<QString>("beklenen");
    QTest::newRow("kucuk harf") << "02:fc:0a:b0:00:01\n" << "02-FC-0A-B0-00-01";
    QTest::newRow("sifir") << "00:00:00:00:00:00" << "00-00-00-00-00-00";
    QTest::newRow("tek hane") << "0:1:2:a:b:c" << "00-01-02-0A-0B-0C";
    QTest::newRow("bos") << "" << "";
    QTest::newRow("alti bayt degil") << "80:00:02:08:fe:80:00:00:00:00:00:00:00:00:00:00:00:00:00:01" << "";
    QTest::newRow("hex degil") << "zz:00:00:00:00:00" << "";
    QTest::newRow("uzun parca") << "002:00:00:00:00:00" << "";
}

void TstKimlik::macBicimi()
{
    QFETCH(QString, sys);
    QFETCH(QString, beklenen);
    QCOMPARE(kimlik::macBicimle(sys), beklenen);
}

void TstKimlik::byIdAdlari_data()
{
    QTest::addColumn<QString>("ad");
    QTest::addColumn<QString>("seri");
    QTest::newRow("ata") << "ata-WDC_WD10EZEX-08WN4A0_WD-WCC6Y1234567" << "WD-WCC6Y1234567";
    QTest::newRow("ata bolum") << "ata-WDC_WD10EZEX-08WN4A0_WD-WCC6Y1234567-part1" << "";
    QTest::newRow("nvme") << "nvme-Samsung_SSD_970_EVO_Plus_1TB_S4EWNX0R123456" << "S4EWNX0R123456";
    QTest::newRow("nvme eui") << "nvme-eui.0025385b71b12345" << "";
    QTest::newRow("scsi") << "scsi-SATA_ST1000DM003-1CH1_Z1D5ABCD" << "Z1D5ABCD";
    QTest::newRow("scsi wwn") << "scsi-35000c500a1b2c3d4" << "";
    QTest::newRow("usb") << "usb-SanDisk_Cruzer_4C530001-0:0" << "";
    QTest::newRow("wwn") << "wwn-0x50014ee2b1234567" << "";
}

void TstKimlik::byIdAdlari()
{
    QFETCH(QString, ad);
    QFETCH(QString, seri);
    QCOMPARE(kimlik::byIdSeri(ad), seri);
}

void TstKimlik::adSiniri()
{
    QCOMPARE(kimlik::adSiniri(QStringLiteral("ABCDEFGHIJKLMNO")), QStringLiteral("ABCDEFGHIJKLMNO"));
    QCOMPARE(kimlik::adSiniri(QStringLiteral("ABCDEFGHIJKLMNOP")), QString());
    QCOMPARE(kimlik::adSiniri(QStringLiteral("muhasebe")), QStringLiteral("muhasebe"));
}

void TstKimlik::diskArama()
{
    Agac a;
    auto ara = [&] { return kimlik::diskSeriBul(a.yol("sys/block"), a.yol("dev/disk/by-id"), a.yol("run/udev/data")); };

    // Virtual and removable devices never count, whatever they carry.
    a.dosya("sys/block/loop0/serial", "LOOPSERIAL\n");
    a.dosya("sys/block/sr0/device/serial", "CDROM1\n");
    a.dosya("sys/block/sr0/removable", "1\n");
    a.dosya("sys/block/sdb/removable", "0\n");
    a.dosya("sys/block/sdb/dev", "8:16\n");
    a.klasor("sys/block/sdb/device");
    a.dosya("run/udev/data/b8:16", "S:disk/by-id/ata-X_SECOND\nE:ID_SERIAL=X_SECOND\nE:ID_SERIAL_SHORT=SECOND\n");
    QCOMPARE(ara(), QStringLiteral("SECOND"));

    // sda comes before sdb; its serial is in the udev record, upper-cased.
    a.dosya("sys/block/sda/removable", "0\n");
    a.dosya("sys/block/sda/dev", "8:0\n");
    a.klasor("sys/block/sda/device");
    a.dosya("run/udev/data/b8:0", "E:ID_MODEL=WDC\nE:ID_SERIAL_SHORT=wd-wcc6y1234567\n");
    QCOMPARE(ara(), QStringLiteral("WD-WCC6Y1234567"));

    // Without the udev record the by-id names tell it; partitions and
    // world-wide names are passed over.
    a.sil("run/udev/data/b8:0");
    a.bag(a.yol("sys/block/sda"), "dev/disk/by-id/wwn-0x50014ee2b1234567");
    a.bag(a.yol("sys/block/sda1"), "dev/disk/by-id/ata-WDC_WD10EZEX_WD-ABC123-part1");
    a.bag(a.yol("sys/block/sda"), "dev/disk/by-id/scsi-SATA_WDC_WD10EZEX_WD-SCSI");
    a.bag(a.yol("sys/block/sda"), "dev/disk/by-id/ata-WDC_WD10EZEX_WD-ABC123");
    QCOMPARE(ara(), QStringLiteral("WD-ABC123"));

    // An NVMe disk sorts first and reports its serial itself.
    a.dosya("sys/block/nvme0n1/removable", "0\n");
    a.dosya("sys/block/nvme0n1/device/serial", "  s4ewnx0r123456    \n");
    QCOMPARE(ara(), QStringLiteral("S4EWNX0R123456"));

    // No physical disk at all: nothing.
    a.sil("sys/block/nvme0n1");
    a.sil("sys/block/sda");
    a.sil("sys/block/sdb");
    QCOMPARE(ara(), QString());
}

void TstKimlik::adaptorArama()
{
    Agac a;
    auto ara = [&] { return kimlik::macBul(a.yol("net")); };
    QCOMPARE(ara(), QString());

    a.dosya("net/lo/address", "00:00:00:00:00:00\n");
    a.dosya("net/lo/type", "772\n");
    QCOMPARE(ara(), QString());   // the loopback is no adapter

    a.dosya("net/docker0/address", "02:42:ac:11:00:01\n");
    a.dosya("net/eth0/address", "00:00:00:00:00:00\n");
    a.klasor("net/eth0/device");
    a.dosya("net/wlan0/address", "a4:bb:6d:01:02:03\n");
    a.klasor("net/wlan0/device");
    // An adapter on a bus with a real address wins over a virtual one.
    QCOMPARE(ara(), QStringLiteral("A4-BB-6D-01-02-03"));

    a.sil("net/wlan0");
    QCOMPARE(ara(), QStringLiteral("02-42-AC-11-00-01"));

    a.sil("net/docker0");
    QCOMPARE(ara(), QStringLiteral("00-00-00-00-00-00"));
}

void TstKimlik::ayarKlasoru()
{
    QTemporaryDir d;
    const QString kok = d.filePath(QStringLiteral("yeni/config"));
    const QByteArray eski = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", kok.toLocal8Bit());
    const QString k = AyarKlasoru();
    QCOMPARE(AyarKlasoru(), k);   // a second call finds it
    if (eski.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", eski);
    QCOMPARE(k, kok + QStringLiteral("/korveloto"));
    QVERIFY(QFileInfo(k).isDir());
}

void TstKimlik::buMakine()
{
    char ad[256] = {};
    QCOMPARE(gethostname(ad, sizeof ad - 1), 0);
    QCOMPARE(BilgisayarAdiAl(), kimlik::adSiniri(QString::fromLocal8Bit(ad)));
    QCOMPARE(KullaniciAdiAl(), kimlik::adSiniri(QString::fromLocal8Bit(getpwuid(geteuid())->pw_name)));

    static const QRegularExpression ipv4(QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})$"));
    QVERIFY2(ipv4.match(IcIpAl()).hasMatch(), qPrintable(IcIpAl()));

    QString disk;
    try {
        disk = DiskSeriNoAl();
        QVERIFY(!disk.isEmpty());
        QCOMPARE(disk, disk.toUpper());
    } catch (const std::runtime_error &) {
    }
    const QString mac = MacAdresiAl();
    QVERIFY(mac.isEmpty() || kimlik::macBicimle(mac.toLower().replace(u'-', u':')) == mac);
    const QString id = BilgisayarIdAl();
    QVERIFY(!id.contains(u' '));
    QCOMPARE(id, kimlik::kimlikOlustur(disk, mac, kimlik::ikame()));
}

QTEST_GUILESS_MAIN(TstKimlik)
#include "tst_kimlik.moc"
