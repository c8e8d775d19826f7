#pragma once
#include <QWidget>

class QComboBox;
class QLabel;
class QSplitter;
class QStandardItemModel;
class QTableView;
class QTextEdit;
class QTimeEdit;
class QToolButton;
class TimeLabel;
class QTimeDelegate;
class QSubtitleDelegate;

// The controls of the subtitle dock: tool buttons, the editors of the
// current row and the event table. The dock owns the behaviour.
class SubtitleWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SubtitleWidget(QWidget* parent = nullptr);
    ~SubtitleWidget() override;

    QSize sizeHint() const override;
    void Retranslate();

    QToolButton* m_btnAdd = nullptr;
    QToolButton* m_btnDelete = nullptr;
    QToolButton* m_btnOpen = nullptr;
    QToolButton* m_btnSave = nullptr;
    QToolButton* m_btnStyle = nullptr;
    QToolButton* m_btnTime = nullptr;
    QToolButton* m_btnFind = nullptr;
    QLabel* m_labelStart = nullptr;
    QTimeEdit* m_startTime = nullptr;
    QLabel* m_labelEnd = nullptr;
    QTimeEdit* m_endTime = nullptr;
    QLabel* m_labelStyle = nullptr;
    QComboBox* m_styleBox = nullptr;
    QLabel* m_labelDuration = nullptr;
    TimeLabel* m_duration = nullptr;
    QTextEdit* m_text = nullptr;
    QTableView* m_table = nullptr;
    QSplitter* m_splitter = nullptr;
    QStandardItemModel* m_model = nullptr;
    QTimeDelegate* m_startDelegate = nullptr;
    QTimeDelegate* m_endDelegate = nullptr;
    QSubtitleDelegate* m_textDelegate = nullptr;
};
