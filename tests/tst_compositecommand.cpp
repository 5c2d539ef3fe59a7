#include "recordingcommand.h"

using namespace TestCommands;

// Plans are written as in recordingcommand.h; s is the composite under test.
class TestCompositeCommand : public QObject
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

// Each step disconnects the child before it, so a child's second done never
// advances the run, and the composite can run again.
void TestCompositeCommand::run_data()
{
    addRunColumns();
    addRun("empty", "s[]", "start s, done s, /exec s");
    addRun("children completing inside exec", "s[a b c]",
           "start s, exec a, done a, exec b, done b, exec c, done c, done s, /done c, /done b, /done a, /exec s");
    addRun("deferred children", "s[a~ b~ c~]",
           "start s, exec a, /exec s, done a, exec b, /done a, done b, exec c, /done b, done c, done s, /done c");
    addRun("done twice inside exec advances once", "s[a*2 b]",
           "start s, exec a, done a, exec b, done b, done s, /done b, /done a, done a, /done a, /exec s");
    addRun("nested three levels, deferred", "s[a~ p(b~ t[c d~] e) f~]",
           "start s, exec a, /exec s, done a, start p, exec b, start t, exec c, done c, exec d, /done c, exec e, "
           "done e, /done e, /done a, done b, /done b, done d, done t, done p, exec f, /done d, done f, done s, "
           "/done f");
    addRun("appended while the last child waits", "s[a b~]",
           "start s, exec a, done a, exec b, /done a, /exec s, done b, exec x, done x, done s, /done x, /done b",
           "/exec s");
}

// finish() disconnects each child before finishing it: no done of the
// composite follows, whatever the children emit then or later. A child the
// game deletes leaves the list; a run waiting for it goes on with the next child.
void TestCompositeCommand::interrupt_data()
{
    addInterruptColumns();
    addInterrupt("finish, owning, done inside finish", "s[a! b?! c!]", "",
                 "finish a, done a, /done a, destroyed a, finish b, done b, /done b, destroyed b, finish c, done c, "
                 "/done c, destroyed c, start s, done s, /exec s");
    addInterrupt("finish, not owning", "s-[a b? c]", "",
                 "finish a, finish b, finish c, done a, /done a, done b, /done b, done c, /done c, start s, done s, "
                 "/exec s");
    addInterrupt("delete, owning", "s[a b? c]", "s", "destroyed a, destroyed b, destroyed c, destroyed s");
    addInterrupt("delete, not owning", "s-[a b? c]", "s",
                 "destroyed s, done a, /done a, done b, /done b, done c, /done c");
    addInterrupt("game deletes the running child", "s-[a b? c]", "b",
                 "destroyed b, exec c, done c, done s, /done c, finish a, finish c, done a, /done a, done c, /done c, "
                 "start s, done s, /exec s");
    addInterrupt("game deletes a completed child", "s-[a b?]", "a",
                 "destroyed a, finish b, done b, /done b, start s, done s, /exec s");
    addInterrupt("game deletes a child not started yet", "s[a? b c]", "c",
                 "destroyed c, finish a, destroyed a, finish b, destroyed b, start s, done s, /exec s");
}

void TestCompositeCommand::addedTwice_data()
{
    addAddedTwiceColumns();
    QTest::newRow("owning") << "s[a]" << 1;
    QTest::newRow("not owning") << "s-[a]" << 2;
}

QTEST_MAIN(TestCompositeCommand)
#include "tst_compositecommand.moc"
