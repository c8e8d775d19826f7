#pragma once
// A colour chooser: a tool button showing the colour as a bar, with a
// drop-down panel of fixed colours, "Automatic" (transparent) and "Other"
// (the colour dialog).
#include <QColor>
#include <QToolButton>

class QMenu;

class QColorCombox : public QToolButton
{
    Q_OBJECT
public:
    explicit QColorCombox(QWidget* parent = nullptr);
    ~QColorCombox() override;

    // Shows color at once; emits nothing.
    void SetColor(QColor color);
    QColor Color() const { return m_color; }

    // The colour actions call colorSlot, the "Other" button otherSlot.
    using Slot = void (QColorCombox::*)();
    QMenu* createColorMenu(Slot colorSlot, Slot otherSlot);
    QIcon createColorIcon(QColor color);
    void setButtonIcon(const QString& imageFile, QColor color);

signals:
    void sigColorChanged(QColor color);

public slots:
    void OnColorChanged();
    void OnShowColorBoard();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon createColorToolButtonIcon(const QString& imageFile, QColor color);

    QColor m_color;
};
