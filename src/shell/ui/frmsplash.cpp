#include "frmsplash.h"

#include "shelltext.h"
#include "version.h"

#include <QLabel>
#include <QVBoxLayout>

frmSplash::frmSplash(Mode mode, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(ShellText::ProgramTitle);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);

    auto *picture = new QLabel(QStringLiteral("TRUV"), this);
    picture->setObjectName(QStringLiteral("imgLogo"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setStyleSheet(QStringLiteral(
        "font: bold 40pt 'DejaVu Sans'; color: #f4f4f4; background: #1f4e79; padding: 18px;"));
    auto *title = new QLabel(ShellText::InfoLabel, this);
    title->setObjectName(QStringLiteral("lblProductName"));
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("font: 14pt 'DejaVu Sans';"));
    auto *release = new QLabel(QStringLiteral("Rel " TRUV_VERSION), this);
    release->setObjectName(QStringLiteral("lblVersion"));
    release->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(title);
    layout->addWidget(release);

    m_closeTimer.setSingleShot(true);
    m_closeTimer.setInterval(mode == Mode::Startup ? 1000 : 10000);
    connect(&m_closeTimer, &QTimer::timeout, this, &QWidget::close);
    m_closeTimer.start();
    // Every way of closing ends in done(): the timer, the close box, and Escape, which hides a
    // dialog without a close event.
    connect(this, &QDialog::finished, this, [this] {
        m_closeTimer.stop();
        emit closed();
    });
}
