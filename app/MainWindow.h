#pragma once
#include <QMainWindow>
#include <QSystemTrayIcon>

#include "ConfigManage.h"
#include "ConfigSystem.h"
#include "JobsManage.h"

class QCloseEvent;
class QHBoxLayout;
class QMenu;
class QSplitter;
class QStandardItemModel;
class QTranslator;
class QVBoxLayout;
class Ui_MainWindow;

// The batch window: source list, preview player above the work tabs, the
// output format and folder bar, the tool bar and the tray icon. Built from
// MainWindow.ui; InitUI lays the form's widgets out and sets up the tables.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Retranslates the form into the language of an index (0..8).
    void ChangeLanguage(int index);

    ConfigSystem& Settings() { return m_config; }
    JobsManage& Jobs() { return m_jobs; }

protected:
    void closeEvent(QCloseEvent* event) override;

public slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void OnAllCompleted();
    void on_actionAddFile_triggered();
    void on_actionQuit_triggered();

private:
    void InitUI();
    void CreateTrayIcon();
    void CreateTrayMenu();
    // Stops every queued and running job, as the Stop action does, and shows
    // Run again.
    void StopJobs();
    void SetRunLook();

    Ui_MainWindow* ui;
    QVBoxLayout* m_frameLayout = nullptr;
    QHBoxLayout* m_bottomBar = nullptr;
    bool m_bRun = true;
    QMenu* m_addMenu = nullptr;
    QMenu* m_sourceMenu = nullptr;
    QMenu* m_titleEndingMenu = nullptr;
    QMenu* m_mergeMenu = nullptr;
    QStandardItemModel* m_subtitleModel = nullptr;
    QSplitter* m_mainSplitter = nullptr;
    QSplitter* m_rightSplitter = nullptr;
    QSystemTrayIcon* m_trayIcon = nullptr;
    QMenu* m_trayMenu = nullptr;
    QTranslator* m_translator = nullptr;
    ConfigSystem m_config;
    ConfigManage m_configManage;
    JobsManage m_jobs;
    int m_nExitCode = 0; // the restart request of a language change, or 0
};
