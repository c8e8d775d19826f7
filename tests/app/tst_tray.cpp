// The tray: without one, closing the window closes it; with one (a stand-in
// tray manager on a virtual X server), closing hides the window in the tray
// and a click on the icon brings it back.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTest>

#include <xcb/xcb.h>

#include "MainWindow.h"

namespace {

// Owns the X selection by which a tray manager announces itself; the icons
// it is asked to dock are left alone.
class StandInTray
{
public:
    StandInTray()
    {
        int screen = 0;
        m_connection = xcb_connect(nullptr, &screen);
        if (xcb_connection_has_error(m_connection))
            return;
        const xcb_setup_t* setup = xcb_get_setup(m_connection);
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
        for (int i = 0; i < screen && it.rem; ++i)
            xcb_screen_next(&it);
        m_window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, it.data->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        const QByteArray name = "_NET_SYSTEM_TRAY_S" + QByteArray::number(screen);
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(name.size()), name.constData()), nullptr);
        if (!atom)
            return;
        xcb_set_selection_owner(m_connection, m_window, atom->atom, XCB_CURRENT_TIME);
        xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
            m_connection, xcb_get_selection_owner(m_connection, atom->atom), nullptr);
        m_owned = owner && owner->owner == m_window;
        free(owner);
        free(atom);
    }
    ~StandInTray()
    {
        if (m_connection)
            xcb_disconnect(m_connection);
    }
    bool owned() const { return m_owned; }

private:
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_window = 0;
    bool m_owned = false;
};

} // namespace

class TestTray : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void withoutTrayCloseCloses();
    void withTrayCloseHides();
};

void TestTray::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("Lumacrest"));
}

void TestTray::withoutTrayCloseCloses()
{
    if (QSystemTrayIcon::isSystemTrayAvailable())
        QSKIP("This desktop has a tray.");
    MainWindow window;
    window.show();
    QVERIFY(!window.findChild<QSystemTrayIcon*>());
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
}

void TestTray::withTrayCloseHides()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("A tray can be stood in for only on an X server (run under xvfb-run with QT_QPA_PLATFORM=xcb).");
    StandInTray tray;
    QVERIFY(tray.owned());
    QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 5000);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* icon = window.findChild<QSystemTrayIcon*>();
    QVERIFY(icon && icon->isVisible());
    QCOMPARE(icon->toolTip(), QStringLiteral("Lumacrest"));
    QVERIFY(!icon->icon().isNull());
    QVERIFY(icon->contextMenu()->actions().contains(window.findChild<QAction*>(QStringLiteral("actionQuit"))));

    // Closing keeps the program in the tray; a click brings the window back.
    QVERIFY(!window.close());
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);
    emit icon->activated(QSystemTrayIcon::Context);
    QVERIFY(!window.isVisible());
    emit icon->activated(QSystemTrayIcon::Trigger);
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 5000);
}

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
