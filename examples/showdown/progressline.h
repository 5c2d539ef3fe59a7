#ifndef MARROWICK_SHOWDOWN_PROGRESSLINE_H
#define MARROWICK_SHOWDOWN_PROGRESSLINE_H

#include <QtCore/QElapsedTimer>

// A line on standard error that shows how far a long run has got, redrawn a
// few times a second; silent when standard error is not a terminal.
class ProgressLine
{
public:
    explicit ProgressLine(qint64 total);
    ~ProgressLine();

    void update(qint64 done);
    // Removes the line, so that what follows starts on a clean line.
    void clear();

private:
    qint64 m_total;
    bool m_enabled;
    bool m_shown = false;
    QElapsedTimer m_sinceDrawn;
};

#endif
