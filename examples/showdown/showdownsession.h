#ifndef MARROWICK_SHOWDOWN_SHOWDOWNSESSION_H
#define MARROWICK_SHOWDOWN_SHOWDOWNSESSION_H

#include "dealchain.h"
#include "handstatistics.h"
#include "progressline.h"
#include "showdown.h"
#include "showdownsetup.h"
#include "streetodds.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QObject>
#include <QtCore/QTextStream>

// Plays the deals of a setup one after another, each as a chain of commands
// run by the event loop, and prints the showdown of a single deal or the
// statistics of many.
class ShowdownSession : public QObject, private DealSteps
{
    Q_OBJECT

public:
    explicit ShowdownSession(const ShowdownSetup &setup, QObject *parent = nullptr);

    // Starts the first deal; finished() follows once the last one is over.
    void start();

Q_SIGNALS:
    void finished();

private:
    Marrowick::Command *holeCards(int player) override;
    Marrowick::Command *board(Street street) override;
    Marrowick::Command *showdown() override;

    void playDeal();
    void dealDone(Marrowick::Command *chain);
    void printHeading();

    ShowdownSetup m_setup;
    Deal m_deal;
    ShowdownResult m_result;
    QVector<StreetOdds> m_odds; ///< of the deal being played, with -odds
    HandStatistics m_statistics;
    ProgressLine m_progress;
    int m_dealsPlayed = 0;
    QElapsedTimer m_clock;
    QTextStream m_out;
};

#endif
