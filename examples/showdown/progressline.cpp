#include "progressline.h"

#include <cstdio>
#include <unistd.h>

ProgressLine::ProgressLine(qint64 total)
    : m_total(total)
    , m_enabled(isatty(STDERR_FILENO))
{ }

ProgressLine::~ProgressLine()
{
    clear();
}

void ProgressLine::update(qint64 done)
{
    if (!m_enabled || (m_shown && m_sinceDrawn.elapsed() < 100))
        return;
    std::fprintf(stderr, "\rDealing: %lld of %lld (%d%%)", static_cast<long long>(done),
                 static_cast<long long>(m_total), int(100 * done / m_total));
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
