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
    void hostDeletes_data();
    void hostDeletes() { checkHostDelete(); }
    void addedTwice_data();
    void addedTwice() { checkAddedTwice<Marrowick::CompositeCommand>(); }
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
    addRun("immediate, then deferred", "s[a b~]",
           "start s, exec a, done a, exec b, /done a, /exec s, done b, done s, /done b");
    addRun("done twice inside exec advances once", "s[a*2 b]",
           "start s, exec a, done a, exec b, done b, done s, /done b, /done a, done a, /done a, /exec s");
    addRun("last child done twice ends the run once", "s[a b~*2]",
           "start s, exec a, done a, exec b, /done a, /exec s, done b, done s, /done b, done b, /done b");
    addRun("nested three levels", "s[a p(b t[c d] e) f]",
           "start s, exec a, done a, start p, exec b, done b, /done b, start t, exec c, done c, exec d, done d, "
           "done t, /done d, /done c, exec e, done e, done p, exec f, done f, done s, /done f, /done e, /done a, "
           "/exec s");
    addRun("nested three levels, deferred", "s[a~ p(b~ t[c d~] e) f~]",
           "start s, exec a, /exec s, done a, start p, exec b, start t, exec c, done c, exec d, /done c, exec e, "
           "done e, /done e, /done a, done b, /done b, done d, done t, done p, exec f, /done d, done f, done s, "
           "/done f");
    // The run reads the list anew at every step.
    addRun("appended on start", "s[a b]",
           "start s, exec a, done a, exec b, done b, exec x, done x, done s, /done x, /done b, /done a, /exec s",
           "start s");
    addRun("appended while the last child waits", "s[a b~]",
           "start s, exec a, done a, exec b, /done a, /exec s, done b, exec x, done x, done s, /done x, /done b",
           "/exec s");
}

// finish() disconnects each child before finishing it: no done of the
// composite follows, whatever the children emit then or later.
void TestCompositeCommand::interrupt_data()
{
    addInterruptColumns();
    addInterrupt("finish, owning, done inside finish", "s[a! b?! c!]", true, false,
                 "finish a, done a, /done a, destroyed a, finish b, done b, /done b, destroyed b, finish c, done c, "
                 "/done c, destroyed c, start s, done s, /exec s");
    addInterrupt("finish, not owning", "s[a b? c]", false, false,
                 "finish a, finish b, finish c, done a, /done a, done b, /done b, done c, /done c, start s, done s, "
                 "/exec s");
    addInterrupt("finish, nested", "s[a p(b t[c d?] e) f]", true, false,
                 "finish a, destroyed a, finish b, destroyed b, finish c, destroyed c, finish d, destroyed d, "
                 "destroyed t, finish e, destroyed e, destroyed p, finish f, destroyed f, start s, done s, /exec s");
    addInterrupt("delete, owning", "s[a b? c]", true, true, "destroyed a, destroyed b, destroyed c, destroyed s");
    addInterrupt("delete, not owning", "s[a b? c]", false, true,
                 "destroyed s, done a, /done a, done b, /done b, done c, /done c");
}

// A child the game deletes leaves the list; a run waiting for it goes on with the next child.
void TestCompositeCommand::hostDeletes_data()
{
    addHostDeleteColumns();
    addHostDelete("running child, not owning", "s[a b? c]", false, "b",
                  "destroyed b, exec c, done c, done s, /done c, finish a, finish c");
    addHostDelete("running last child", "s[a b?]", false, "b", "destroyed b, done s, finish a");
    addHostDelete("completed child", "s[a b?]", false, "a", "destroyed a, finish b");
    addHostDelete("child not started yet", "s[a? b c]", true, "c",
                  "destroyed c, finish a, destroyed a, finish b, destroyed b");
    addHostDelete("nested composite running", "s[a p(b? c?) d]", true, "p",
                  "destroyed b, destroyed c, destroyed p, exec d, done d, done s, /done d, finish a, destroyed a, "
                  "finish d, destroyed d");
    addHostDelete("running child of a nested composite", "s[a t[b? c] d]", true, "b",
                  "destroyed b, exec c, done c, done t, exec d, done d, done s, /done d, /done c, finish a, destroyed "
                  "a, finish c, destroyed c, destroyed t, finish d, destroyed d");
}

void TestCompositeCommand::addedTwice_data()
{
    QTest::addColumn<bool>("owning");
    QTest::newRow("owning") << true;
    QTest::newRow("not owning") << false;
}

QTEST_MAIN(TestCompositeCommand)
#include "tst_compositecommand.moc"
