// Leaves a message box unanswered on purpose. Registered as expected to fail:
// the modal guard must fail the test and close the box, so the program ends
// (non-zero) long before the run's time-out.
#include <QMessageBox>
#include <QtTest>

class ModalCanary : public QObject
{
    Q_OBJECT
private slots:
    void unansweredBox()
    {
        QMessageBox::information(nullptr, QStringLiteral("Canary"), QStringLiteral("Nobody answers this box."));
        // Reached only once the guard has closed the box.
    }
};

QTEST_MAIN(ModalCanary)
#include "modal_canary.moc"
