#include "progressline.h"

#include <cstdio>
#include <unistd.h>

ProgressLine::ProgressLine(const QString &label)
    : m_label(label)
    , m_enabled(isatty(STDERR_FILENO))
{
    m_sinceStart.start();
}

ProgressLine::~ProgressLine()
{
    clear();
}

void ProgressLine::update(qint64 done, qint64 total)
{
    const qint64 redrawMilliseconds = 100;
    const qint64 momentMilliseconds = 300;
    if (!m_enabled || total <= 0 || m_sinceStart.elapsed() < momentMilliseconds
        || (m_shown && m_sinceDrawn.elapsed() < redrawMilliseconds))
        return;
    std::fprintf(stderr, "\r%s: %lld of %lld (%d%%)", qPrintable(m_label), static_cast<long long>(done),
                 static_cast<long long>(total), int(100 * done / total));
    std::fflush(stderr);
    m_shown = true;
    m_sinceDrawn.start();
}

void ProgressLine::clear()
{
    if (!m_shown)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    m_shown = false;
}
