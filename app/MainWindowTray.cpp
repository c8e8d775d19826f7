#include "MainWindow.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenu>

void MainWindow::CreateTrayMenu()
{
    // Not a child of this window: the tray menu stays usable while the window
    // is hidden. Owned by this window.
    m_trayMenu = std::make_unique<QMenu>();
    m_trayMenu->addAction(ui->actionAddFile);
    m_trayMenu->addAction(ui->actionAddFolder);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(ui->actionWatermark);
    m_trayMenu->addAction(ui->actionRun);
    m_trayMenu->addAction(ui->actionOptions);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(ui->actionQuit);
}

void MainWindow::CreateTrayIcon()
{
    CreateTrayMenu();
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    const QString name = QStringLiteral("Lumacrest");
    m_trayIcon = new QSystemTrayIcon(QIcon(QStringLiteral(":/res/logo.png")), this);
    m_trayIcon->setToolTip(name);
    m_trayIcon->setContextMenu(m_trayMenu.get());
    m_trayIcon->setVisible(true);
    m_trayIcon->showMessage(name, name, QSystemTrayIcon::Information, 10000);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &MainWindow::iconActivated);
}

void MainWindow::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
        showNormal();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // With an icon in the tray the program keeps running there.
    if (m_trayIcon && m_trayIcon->isVisible()) {
        hide();
        event->ignore();
        return;
    }
    event->accept();
}
