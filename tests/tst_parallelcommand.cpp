#include "recordingcommand.h"

using namespace TestCommands;

// Plans are written as in recordingcommand.h; p is the command under test.
class TestParallelCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void run_data();
    void run() { checkRuns(); }
    void interrupt_data();
    void interrupt() { checkInterrupt(); }
    void addedTwice_data();
    void addedTwice() { checkAddedTwice(); }
};

// Every done of a child counts, and each run connects every child once,
// however many runs came before.
void TestParallelCommand::run_data()
{
    addRunColumns();
    addRun("empty", "p()", "start p, done p, /exec p");
    addRun("children completing inside exec", "p(a b c)",
           "start p, exec a, done a, /done a, exec b, done b, /done b, exec c, done c, done p, /done c, /exec p");
    addRun("deferred and immediate children", "p(a~ b c~)",
           "start p, exec a, exec b, done b, /done b, exec c, /exec p, done a, /done a, done c, done p, /done c");
    addRun("no second done below zero", "p(a*2 b)",
           "start p, exec a, done a, /done a, done a, done p, /done a, exec b, done b, /done b, /exec p");
    addRun("nested three levels, deferred, completing out of order", "p(a~ s[b~ q(c d~) e] f)",
           "start p, exec a, start s, exec b, exec f, done f, /done f, /exec p, done a, /done a, done b, start q, "
           "exec c, done c, /done c, exec d, /done b, done d, done q, exec e, done e, done s, done p, /done e, "
           "/done d");
    // The count is taken before start() and the list copied after it; the next run awaits x like any child.
    addRun("appended on start", "p(a)", "start p, exec a, done a, done p, /done a, exec x, done x, /done x, /exec p",
           "start p", "start p, exec a, done a, /done a, exec x, done x, done p, /done x, /exec p");
    addRun("appended inside a child's exec", "p(a b)",
           "start p, exec a, done a, /done a, exec b, done b, done p, /done b, /exec p", "exec a",
           "start p, exec a, done a, /done a, exec b, done b, /done b, exec x, done x, done p, /done x, /exec p");
}

// finish() disconnects nothing: a done emitted inside a child's finish()
// counts, and so does one that a child left alive emits later. A child the
// game deletes leaves the list, and the run stops waiting for it.
void TestParallelCommand::interrupt_data()
{
    addInterruptColumns();
    addInterrupt("finish, owning, done inside finish", "p(a?! b?! c?!)", "",
                 "finish a, done a, /done a, destroyed a, finish b, done b, /done b, destroyed b, finish c, done c, "
                 "done p, /done c, destroyed c, start p, done p, /exec p");
    addInterrupt("finish, not owning", "p-(a b? c?)", "",
                 "finish a, finish b, finish c, done a, /done a, done b, done p, /done b, done c, /done c, start p, "
                 "done p, /exec p");
    addInterrupt("delete, owning", "p(a b? c)", "p", "destroyed a, destroyed b, destroyed c, destroyed p");
    addInterrupt("delete, not owning", "p-(a b? c)", "p",
                 "destroyed p, done a, /done a, done b, /done b, done c, /done c");
    addInterrupt("game deletes one of two awaited", "p-(a b? c?)", "b",
                 "destroyed b, finish a, finish c, done a, done p, /done a, done c, /done c, start p, done p, /exec p");
    addInterrupt("game deletes the last awaited", "p(a b?)", "b",
                 "destroyed b, done p, finish a, destroyed a, start p, done p, /exec p");
    addInterrupt("game deletes a completed child", "p-(a b?)", "a",
                 "destroyed a, finish b, done b, done p, /done b, start p, done p, /exec p");
}

void TestParallelCommand::addedTwice_data()
{
    addAddedTwiceColumns();
    QTest::newRow("owning") << "p(a)" << 1;
    QTest::newRow("not owning") << "p-(a)" << 2;
}

QTEST_MAIN(TestParallelCommand)
#include "tst_parallelcommand.moc"
