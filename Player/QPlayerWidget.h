#pragma once
#include <QByteArray>
#include <QSize>
#include <QString>
#include <QWidget>

class QHBoxLayout;
class QRect;
class QResizeEvent;
class QTimeEdit;
class QTimer;
class QToolButton;
class QVBoxLayout;
class Slider;

// The preview player of the main window: plays SourcePath with the filter
// graph of its row (Core::PlayedRow) inside a black video area, with a seek
// slider, a time box and Play/Pause, Stop and Copy Time buttons. The player
// calls its OnStop when the stream ends or cannot be played.
class QPlayerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit QPlayerWidget(QWidget* parent = nullptr);
    ~QPlayerWidget() override;

    // The file the play button previews; written by the main window.
    QString SourcePath;

    // Width and height of the source (16 x 10 when the probe gives no picture
    // size). Probes the file only when SourcePath changed since the last probe;
    // the probe also refreshes the duration.
    QSize GetVideoSize();
    void SetSliderPos(int value);

    // The rectangle of a source of the given size fitted into an area of the
    // given size, keeping its aspect and centred; empty for an empty area. A
    // source without a size is taken as 16 x 10.
    static QRect FitVideo(const QSize& area, const QSize& source);

signals:
    void sigAddFile();

public slots:
    void OnPlayPause();
    void OnStop();
    void OnCopyTime();
    void OnSliderSeek(int ms);
    void OnTimer();
    void OnSliderReleased();
    void OnSliderPressed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ProbeSource();
    void PlaceHost(const QRect& rect);
    // Places the host over the fitted picture and tells the player the new size.
    void FitHost();
    void ShowTime(qint64 ms);
    void SetPlayLook(bool playing);
    void ReturnToIdle();

    QWidget* m_pVideoArea = nullptr;
    QWidget* m_pHost = nullptr;
    QWidget* m_pButtonBar = nullptr;
    QToolButton* m_pPlayButton = nullptr;
    QToolButton* m_pStopButton = nullptr;
    QToolButton* m_pCopyTimeButton = nullptr;
    Slider* m_pSlider = nullptr;
    QTimeEdit* m_pTimeEdit = nullptr;
    QVBoxLayout* m_pMainLayout = nullptr;
    QHBoxLayout* m_pBarLayout = nullptr;
    QTimer* m_pTimer = nullptr;
    bool m_bNotPaused = true;
    qint64 m_nDuration = 0;  // microseconds

    bool m_bPlaying = false;       // a playback started here has not ended yet
    QString m_strProbedPath;       // the file m_videoSize and m_nDuration belong to
    bool m_bProbed = false;
    QSize m_videoSize{16, 10};
    QByteArray m_filterText;       // the filter graph of the running playback
};
