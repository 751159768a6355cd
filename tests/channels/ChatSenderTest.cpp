#include <QtTest>

#include "ScriptedWindowSystem.h"
#include "channels/ChannelsModule.h"
#include "channels/ChatSteps.h"
#include "channels/QianniuChat.h"
#include "support/MapControls.h"
#include "support/RecordingDialogs.h"
#include "support/VirtualClock.h"
#include "text/Gbk.h"

using namespace fahuo;
using fahuo::test::ScriptedWindowSystem;

namespace {

std::string Gbk(const QString& text) {
    return EncodeGbk(text).toStdString();
}

enum class Tree { Whole, NoWindow, TwoChildren, NoSplitter, OneSplitterChild, NoInputBox };

struct ChatWindows {
    WindowHandle chat = 0;
    WindowHandle input = 0;
};

// The seller's chat window with decoys wherever a wrong step would land: another seller's
// window, a window of another class with the same title, a RichEditComponent in the first
// splitter child and after the real one, a second SplitterBar, a splitter in the second child.
ChatWindows BuildChatWindows(ScriptedWindowSystem& w, const QString& seller, Tree tree) {
    ChatWindows found;
    w.Add(0, "StandardFrame", Gbk(QStringLiteral("别的卖家 - 客服工作台")));
    w.Add(0, "OtherFrame", Gbk(seller + QStringLiteral(" - 客服工作台")));
    if (tree == Tree::NoWindow)
        return found;
    found.chat = w.Add(0, "StandardFrame", Gbk(seller + QStringLiteral(" - 客服工作台")));
    w.Add(found.chat, "Pane");
    const WindowHandle second = w.Add(found.chat, "Pane");
    const WindowHandle wrongSplitter = w.Add(second, "SplitterBar");
    w.Add(wrongSplitter, "Pane");
    w.Add(w.Add(wrongSplitter, "Pane"), "RichEditComponent");
    if (tree == Tree::TwoChildren)
        return found;
    const WindowHandle third = w.Add(found.chat, "Pane");
    w.Add(found.chat, "Pane");
    w.Add(third, "Toolbar");
    if (tree != Tree::NoSplitter) {
        const WindowHandle splitter = w.Add(third, "SplitterBar");
        w.Add(w.Add(splitter, "Pane"), "RichEditComponent");
        if (tree != Tree::OneSplitterChild) {
            const WindowHandle box = w.Add(splitter, "Pane");
            w.Add(box, "Button");
            if (tree != Tree::NoInputBox) {
                found.input = w.Add(box, "RichEditComponent");
                w.Add(box, "RichEditComponent");
            }
            w.Add(splitter, "Pane");
        }
        const WindowHandle otherSplitter = w.Add(third, "SplitterBar");
        w.Add(otherSplitter, "Pane");
        w.Add(w.Add(otherSplitter, "Pane"), "RichEditComponent");
    }
    return found;
}

QList<int> StepWaits(int openDelay) {
    QList<int> waits{openDelay, 500};
    for (int i = 0; i < 11; ++i)
        waits.append(100);
    return waits;
}

struct Fixture {
    test::MapControls controls;
    test::RecordingDialogs dialogs;
    test::VirtualClock clock;
    ScriptedWindowSystem windows;
    ChannelsModule channels{controls, dialogs, clock, windows};

    Fixture() { controls.SetText(QStringLiteral("编辑框_千牛延时"), QStringLiteral("3000")); }
};

}  // namespace

class ChatSenderTest : public QObject {
    Q_OBJECT
  private slots:
    void sendsAlongTheWindowPath_data();
    void sendsAlongTheWindowPath();
    void lateWindowIsStillClosed();
    void openDelaySetting_data();
    void openDelaySetting();
    void commandProgram_data();
    void commandProgram();
    void textGoesWhole_data();
    void textGoesWhole();
    void listChildWindows();
    void testButtonReports_data();
    void testButtonReports();
};

void ChatSenderTest::sendsAlongTheWindowPath_data() {
    QTest::addColumn<int>("tree");
    QTest::addColumn<int>("outcome");
    QTest::newRow("found") << int(Tree::Whole) << int(ChatOutcome::Typed);
    QTest::newRow("no chat window") << int(Tree::NoWindow) << int(ChatOutcome::WindowNotFound);
    QTest::newRow("only two children")
        << int(Tree::TwoChildren) << int(ChatOutcome::InputBoxNotFound);
    QTest::newRow("third child without splitter")
        << int(Tree::NoSplitter) << int(ChatOutcome::InputBoxNotFound);
    QTest::newRow("splitter with one child")
        << int(Tree::OneSplitterChild) << int(ChatOutcome::InputBoxNotFound);
    QTest::newRow("second child without input box")
        << int(Tree::NoInputBox) << int(ChatOutcome::InputBoxNotFound);
}

void ChatSenderTest::sendsAlongTheWindowPath() {
    QFETCH(int, tree);
    QFETCH(int, outcome);
    Fixture f;
    const QString seller = QStringLiteral("青鸾小店");
    const ChatWindows found = BuildChatWindows(f.windows, seller, Tree(tree));
    const QString text = QStringLiteral("您好，卡密已发到邮箱");

    const ChatOutcome got = f.channels.SendChatMessage(seller, QStringLiteral("买家一号"), text,
                                                       QStringLiteral("C:\\Qianniu\\WWcmd.exe"));

    QCOMPARE(int(got), outcome);
    std::vector<ScriptedWindowSystem::Message> expected;
    if (found.input) {
        expected.push_back({found.input, kWmSetText, 0, 0, Gbk(text), {}});
        expected.push_back({found.input, kWmKeyDown, kVkReturn, 0, {}, {}});
        expected.push_back({found.input, kWmKeyUp, kVkReturn, 0, {}, {}});
    }
    if (found.chat)
        expected.push_back({found.chat, kWmClose, 0, 0, {}, {}});
    QCOMPARE(f.windows.messages.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QCOMPARE(f.windows.messages[i].window, expected[i].window);
        QCOMPARE(f.windows.messages[i].message, expected[i].message);
        QCOMPARE(f.windows.messages[i].wParam, expected[i].wParam);
        QCOMPARE(f.windows.messages[i].lParam, expected[i].lParam);
        QCOMPARE(f.windows.messages[i].text, expected[i].text);
    }
    // Whatever was found, the send takes its full time.
    QCOMPARE(f.clock.delays, StepWaits(3000));
}

void ChatSenderTest::lateWindowIsStillClosed() {
    Fixture f;
    const QString seller = QStringLiteral("青鸾小店");
    ChatWindows late;
    // The chat window opens during the wait after the first look-up failed.
    f.clock.onDelay = [&](int ms) {
        if (ms == 500 && !late.chat)
            late = BuildChatWindows(f.windows, seller, Tree::Whole);
    };

    const ChatOutcome got = f.channels.SendChatMessage(
        seller, QStringLiteral("买家"), QStringLiteral("你好"), QStringLiteral("C:\\WWcmd.exe"));

    QCOMPARE(got, ChatOutcome::WindowNotFound);
    QVERIFY(late.chat);
    QCOMPARE(f.windows.messages.size(), std::size_t(1));
    QCOMPARE(f.windows.messages[0].window, late.chat);
    QCOMPARE(f.windows.messages[0].message, unsigned(kWmClose));
    QVERIFY(!f.windows.Exists(late.chat));
}

void ChatSenderTest::openDelaySetting_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("waited");
    QTest::newRow("plain") << "3000" << 3000;
    QTest::newRow("space inside") << "3 000" << 3000;
    QTest::newRow("ideographic space inside") << QStringLiteral("1\u3000500") << 1500;
    QTest::newRow("full-width digits") << QStringLiteral("２０００") << 2000;
    QTest::newRow("letters only") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("negative") << "-5" << 0;
}

void ChatSenderTest::openDelaySetting() {
    QFETCH(QString, setting);
    QFETCH(int, waited);
    Fixture f;
    f.controls.SetText(QStringLiteral("编辑框_千牛延时"), setting);
    BuildChatWindows(f.windows, QStringLiteral("店"), Tree::Whole);
    f.channels.SendChatMessage(QStringLiteral("店"), QStringLiteral("买家"), QStringLiteral("x"),
                               QStringLiteral("WWcmd.exe"));
    QCOMPARE(f.clock.delays, StepWaits(waited));
}

void ChatSenderTest::commandProgram_data() {
    QTest::addColumn<bool>("starts");
    QTest::addColumn<int>("runsForChecks");
    QTest::addColumn<int>("pollWaits");  // 50-ms waits before the steps go on
    QTest::addColumn<bool>("windowOpen");
    QTest::addColumn<int>("outcome");
    QTest::newRow("ends at once") << true << 0 << 0 << true << int(ChatOutcome::Typed);
    QTest::newRow("runs a while") << true << 7 << 7 << true << int(ChatOutcome::Typed);
    // A program that never ends holds a send up for the bound only.
    QTest::newRow("never ends") << true << -1 << kChatCommandBoundMs / 50 << true
                                << int(ChatOutcome::Typed);
    QTest::newRow("cannot start, window open anyway")
        << false << 0 << 0 << true << int(ChatOutcome::Typed);
    QTest::newRow("cannot start, no window")
        << false << 0 << 0 << false << int(ChatOutcome::CommandNotStarted);
}

void ChatSenderTest::commandProgram() {
    QFETCH(bool, starts);
    QFETCH(int, runsForChecks);
    QFETCH(int, pollWaits);
    QFETCH(bool, windowOpen);
    QFETCH(int, outcome);
    Fixture f;
    f.windows.commandStarts = starts;
    f.windows.commandRunsForChecks = runsForChecks;
    const QString seller = QStringLiteral("青鸾小店");
    if (windowOpen)
        BuildChatWindows(f.windows, seller, Tree::Whole);

    const ChatOutcome got =
        f.channels.SendChatMessage(seller, QStringLiteral("买家一号"), QStringLiteral("x"),
                                   QStringLiteral("D:\\千牛\\AliWorkbench\\WWcmd.exe"));

    QCOMPARE(int(got), outcome);
    QCOMPARE(f.windows.commands.size(), std::size_t(1));
    QCOMPARE(f.windows.commands[0],
             Gbk(QStringLiteral("D:\\千牛\\AliWorkbench\\WWcmd.exe aliim:sendmsg?uid=cntaobao"
                                "青鸾小店&touid=cntaobao买家一号")));
    QCOMPARE(f.windows.released, starts ? 1 : 0);
    QList<int> expected;
    for (int i = 0; i < pollWaits; ++i)
        expected.append(50);
    expected += StepWaits(3000);
    QCOMPARE(f.clock.delays, expected);
}

void ChatSenderTest::textGoesWhole_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wide");
    QTest::newRow("lines with CR LF")
        << QStringLiteral("\r\n\r\n亲，您的卡密：ABCD-1234\r\n请查收邮件\r\n\r\n谢谢惠顾！")
        << false;
    QTest::newRow("GBK beyond GB2312") << QStringLiteral("髮型 镕 €") << false;
    QTest::newRow("emoji that GBK cannot hold") << QStringLiteral("谢谢😀\r\n再见") << true;
}

void ChatSenderTest::textGoesWhole() {
    QFETCH(QString, text);
    QFETCH(bool, wide);
    Fixture f;
    const ChatWindows found = BuildChatWindows(f.windows, QStringLiteral("店"), Tree::Whole);
    f.channels.SendChatMessage(QStringLiteral("店"), QStringLiteral("买家"), text,
                               QStringLiteral("WWcmd.exe"));
    QVERIFY(!f.windows.messages.empty());
    const auto& set = f.windows.messages.front();
    QCOMPARE(set.window, found.input);
    QCOMPARE(set.message, unsigned(kWmSetText));
    if (wide) {
        QVERIFY(set.text.empty());
        QCOMPARE(QString::fromStdU16String(set.wide), text);
    } else {
        QVERIFY(set.wide.empty());
        QCOMPARE(DecodeGbk(QByteArray::fromStdString(set.text)), text);
    }
    // One Enter after the one WM_SETTEXT.
    QCOMPARE(f.windows.messages.size(), std::size_t(4));
    QCOMPARE(f.windows.messages[1].message, unsigned(kWmKeyDown));
    QCOMPARE(f.windows.messages[2].message, unsigned(kWmKeyUp));
}

void ChatSenderTest::listChildWindows() {
    ScriptedWindowSystem w;
    const WindowHandle parent = w.Add(0, "StandardFrame", "x");
    const WindowHandle a = w.Add(parent, "Pane");
    const WindowHandle b = w.Add(parent, "SplitterBar");
    w.Add(b, "SplitterBar");  // a grandchild is not a direct child
    const WindowHandle c = w.Add(parent, "SplitterBar");
    const WindowHandle d = w.Add(parent, "Pane");

    QCOMPARE(ListChildWindows(w, parent, nullptr), (std::vector<WindowHandle>{a, b, c, d}));
    QCOMPARE(ListChildWindows(w, parent, "SplitterBar"), (std::vector<WindowHandle>{b, c}));
    QCOMPARE(ListChildWindows(w, parent, "Nothing"), std::vector<WindowHandle>{});
    // No parent means no children, never the desktop's top-level windows.
    QCOMPARE(ListChildWindows(w, 0, nullptr), std::vector<WindowHandle>{});
}

void ChatSenderTest::testButtonReports_data() {
    QTest::addColumn<bool>("windowOpen");
    QTest::addColumn<QString>("message");
    QTest::newRow("typed") << true << QStringLiteral("已把消息填入千牛聊天窗口并按下回车。");
    QTest::newRow("no WWcmd.exe found yet")
        << false << QStringLiteral("还没有找到千牛的WWcmd.exe，消息没有发出。");
}

void ChatSenderTest::testButtonReports() {
    QFETCH(bool, windowOpen);
    QFETCH(QString, message);
    Fixture f;
    // On a desktop like this one the empty path cannot start.
    f.windows.commandStarts = false;
    f.controls.SetText(QStringLiteral("编辑框_卖家旺旺"), QStringLiteral(" 青鸾 小店 "));
    f.controls.SetText(QStringLiteral("编辑框_接受"), QStringLiteral("买家\u3000旺旺"));
    const QString text = QStringLiteral("第一行\r\n第二行\r\n第三行");
    f.controls.SetText(QStringLiteral("编辑框_旺旺内容"), text);
    const ChatWindows found =
        windowOpen ? BuildChatWindows(f.windows, QStringLiteral("青鸾小店"), Tree::Whole)
                   : ChatWindows{};

    const ControlActions actions = f.channels.Actions();
    const auto button = std::find_if(actions.begin(), actions.end(), [](const ControlAction& a) {
        return a.control == QStringLiteral("按钮_试发千牛");
    });
    QVERIFY(button != actions.end());
    QCOMPARE(button->event, ControlAction::Event::Clicked);
    button->run();

    QCOMPARE(f.windows.commands.size(), std::size_t(1));
    QCOMPARE(f.windows.commands[0],
             Gbk(QStringLiteral(" aliim:sendmsg?uid=cntaobao青鸾小店&touid=cntaobao买家旺旺")));
    QCOMPARE(f.dialogs.messages, QStringList{message});
    if (windowOpen) {
        QCOMPARE(f.windows.messages.front().window, found.input);
        QCOMPARE(f.windows.messages.front().text, Gbk(text));  // no signature added
    }
}

QTEST_GUILESS_MAIN(ChatSenderTest)
#include "ChatSenderTest.moc"
