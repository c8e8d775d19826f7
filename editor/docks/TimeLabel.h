#pragma once
#include <QLabel>
#include <QTime>

// Shows end minus start of two time editors beside it as "HH:mm:ss:zzz".
class TimeLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TimeLabel(QWidget* parent = nullptr);
    ~TimeLabel() override;

    void updateDuration();
    long long StartTime() const { return m_start; }
    long long EndTime() const { return m_end; }

public slots:
    void onStartTime(QTime time);
    void onEndTime(QTime time);

private:
    long long m_start = 0; // microseconds
    long long m_end = 0;
};
