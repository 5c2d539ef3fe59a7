#ifndef MARROWICK_EXAMPLES_PROGRESSLINE_H
#define MARROWICK_EXAMPLES_PROGRESSLINE_H

#include <QtCore/QElapsedTimer>
#include <QtCore/QString>

// A line on standard error that shows how far a long run has got, redrawn a
// few times a second: "<label>: <done> of <total> (<percent>%)". Silent when
// standard error is not a terminal, and for runs over within a moment, whose
// line would only flicker.
class ProgressLine
{
public:
    // The run starts now.
    explicit ProgressLine(const QString &label);
    ~ProgressLine();

    void update(qint64 done, qint64 total);
    // Removes the line, so that what follows starts on a clean line.
    void clear();

private:
    QString m_label;
    bool m_enabled;
    bool m_shown = false;
    QElapsedTimer m_sinceStart;
    QElapsedTimer m_sinceDrawn;
};

#endif
