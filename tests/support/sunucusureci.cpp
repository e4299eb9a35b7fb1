#include "sunucusureci.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <httplib.h>
#include <csignal>
#include <sys/prctl.h>

namespace kt {

QString SunucuSureci::sunucuProgrami()
{
    const QByteArray p = qgetenv("KORVEL_SERVER_BIN");
    return p.isEmpty() ? QStringLiteral("korvel-server") : QString::fromLocal8Bit(p);
}

SunucuSureci::SunucuSureci(int demo, const QStringList &ekArgumanlar)
    : dbYolu_(dir_.filePath(QStringLiteral("korvel.db")))
{
    args_ << QStringLiteral("--db") << dbYolu_ << QStringLiteral("--listen") << QStringLiteral("127.0.0.1")
          << QStringLiteral("--port") << QStringLiteral("0") << QStringLiteral("--web-port") << QStringLiteral("0")
          << QStringLiteral("--demo") << QString::number(demo) << QStringLiteral("--threads") << QStringLiteral("24")
          << ekArgumanlar;
}

SunucuSureci::~SunucuSureci() { durdur(); }

bool SunucuSureci::baslat()
{
    p_ = std::make_unique<QProcess>();
    p_->setProcessChannelMode(QProcess::SeparateChannels);
    // The server ends with the test, even when the test crashes.
    p_->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    p_->start(sunucuProgrami(), args_);
    if (!p_->waitForStarted(10000)) {
        hata_ = QStringLiteral("başlatılamadı: %1").arg(p_->errorString());
        return false;
    }
    static const QRegularExpression re(QStringLiteral("listening port=(\\d+) web=(\\d+)"));
    QByteArray cikti;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 300000) {
        if (!p_->waitForReadyRead(200) && p_->state() != QProcess::Running)
            break;
        cikti += p_->readAllStandardOutput();
        const auto m = re.match(QString::fromUtf8(cikti));
        if (m.hasMatch()) {
            port_ = m.captured(1).toInt();
            webPort_ = m.captured(2).toInt();
            return true;
        }
    }
    hata_ = QStringLiteral("dinlemeye geçmedi: %1 %2").arg(QString::fromUtf8(cikti), QString::fromUtf8(p_->readAllStandardError()));
    return false;
}

void SunucuSureci::durdur()
{
    if (p_ && p_->state() != QProcess::NotRunning) {
        p_->terminate();
        if (!p_->waitForFinished(5000)) {
            p_->kill();
            p_->waitForFinished(2000);
        }
    }
}

bool SunucuSureci::calisiyor() const { return p_ && p_->state() == QProcess::Running; }

int SunucuSureci::yonetim(const QStringList &args, QByteArray *cikti) const
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(sunucuProgrami(), QStringList{QStringLiteral("--db"), dbYolu_, QStringLiteral("admin")} + args);
    p.waitForFinished(60000);
    if (cikti)
        *cikti = p.readAll();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

int SunucuSureci::cagir(const QString &metot, const QByteArray &govde, QByteArray *cevap) const
{
    httplib::Client c("127.0.0.1", port_);
    c.set_tcp_nodelay(true);
    c.set_read_timeout(60, 0);
    const std::string yol = "/datasnap/rest/TServerMethods1/" + metot.toStdString();
    auto r = c.Post(yol.c_str(), govde.constData(), size_t(govde.size()), "application/json");
    if (!r)
        return -1;
    if (cevap)
        *cevap = QByteArray::fromStdString(r->body);
    return r->status;
}

int SunucuSureci::webGet(const QString &yolVeSorgu, QByteArray *govde, QString *icerikTipi) const
{
    httplib::Client c("127.0.0.1", webPort_);
    c.set_read_timeout(60, 0);
    auto r = c.Get(yolVeSorgu.toStdString().c_str());
    if (!r)
        return -1;
    if (govde)
        *govde = QByteArray::fromStdString(r->body);
    if (icerikTipi)
        *icerikTipi = QString::fromStdString(r->get_header_value("Content-Type"));
    return r->status;
}

}  // namespace kt
