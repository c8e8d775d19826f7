#pragma once
#include <QDockWidget>
#include <QString>

// Common base of the editor's dock panels: a window title made of a title and
// a subtitle, an optional one-pixel border, a movement lock, and editing
// commands a panel may implement (none of the editor's panels does yet).
class PanelWidget : public QDockWidget
{
    Q_OBJECT
public:
    explicit PanelWidget(QWidget* parent = nullptr);
    ~PanelWidget() override;

    // Locked: not movable and without the standard title bar.
    void SetMovementLocked(bool locked);
    void SetBorderVisible(bool visible);
    bool IsBorderVisible() const { return m_borderVisible; }
    void UpdateTitle();

    virtual void ZoomIn() {}
    virtual void ZoomOut() {}
    virtual void GoToStart() {}
    virtual void PrevFrame() {}
    virtual void PlayPause() {}
    virtual void NextFrame() {}
    virtual void GoToEnd() {}
    virtual void SelectAll() {}
    virtual void DeselectAll() {}
    virtual void RippleToIn() {}
    virtual void RippleToOut() {}
    virtual void EditToIn() {}
    virtual void EditToOut() {}
    virtual void ShuttleLeft() {}
    virtual void ShuttleStop() {}
    virtual void ShuttleRight() {}
    virtual void GoToPrevCut() {}
    virtual void GoToNextCut() {}
    virtual void DeleteSelected() {}
    virtual void RippleDelete() {}
    virtual void Insert() {}
    virtual void Overwrite() {}
    virtual void IncreaseTrackHeight() {}
    virtual void DecreaseTrackHeight() {}
    virtual void SetIn() {}
    virtual void SetOut() {}
    virtual void ResetIn() {}
    virtual void ResetOut() {}
    virtual void ClearInOut() {}
    virtual void SetMarker() {}
    virtual void ToggleLinks() {}
    virtual void CutSelected() {}
    virtual void CopySelected() {}
    virtual void Paste() {}
    virtual void PasteInsert() {}
    // Re-applies the panel's translated texts after a language change.
    virtual void Retranslate() {}

public slots:
    void SetTitle(const QString& title);
    void SetSubtitle(const QString& subtitle);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString m_title;
    QString m_subtitle;
    bool m_borderVisible = false;
};
