// The answer box answers every request for a piece of its text at once: each
// kind of piece, before, at and after every offset, the two ends included,
// on empty, short, long and non-Latin texts. A request that never returns
// ends the program with the request named, rather than hanging the suite.
#include <QAccessible>
#include <QLineEdit>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

#include "platform/accessibletextbox.h"
#include "platform/label.h"
#include "tests/support/programtest.h"
#include "tests/support/qstringprinter.h"

namespace {

class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : m_thread([this, limit] {
              std::unique_lock lock(m_mutex);
              if (m_done.wait_for(lock, limit, [this] { return m_finished; })) return;
              std::fprintf(stderr, "No answer within %lld s to %s\n",
                           static_cast<long long>(limit.count()), m_asking.c_str());
              std::fflush(stderr);
              std::_Exit(1);
          }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_all();
        m_thread.join();
    }
    void asking(std::string what) {
        std::lock_guard lock(m_mutex);
        m_asking = std::move(what);
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::string m_asking;
    std::thread m_thread;
};

struct Piece {
    QString text;
    int start;
    int end;
};

enum class Where { Before, At, After };

Piece ask(QAccessibleTextInterface* t, Where where, int offset,
          QAccessible::TextBoundaryType type) {
    Piece p{{}, -9, -9};
    if (where == Where::Before) p.text = t->textBeforeOffset(offset, type, &p.start, &p.end);
    if (where == Where::At) p.text = t->textAtOffset(offset, type, &p.start, &p.end);
    if (where == Where::After) p.text = t->textAfterOffset(offset, type, &p.start, &p.end);
    return p;
}

const QAccessible::TextBoundaryType kTypes[] = {
    QAccessible::CharBoundary, QAccessible::WordBoundary,      QAccessible::SentenceBoundary,
    QAccessible::LineBoundary, QAccessible::ParagraphBoundary, QAccessible::NoBoundary};

class AnswerBoxText : public ProgramTest {};

TEST_F(AnswerBoxText, EveryPieceAtEveryOffsetComesBackAtOnceAndFitsTheText) {
    QWidget window;
    auto* box = new QLineEdit(&window);
    box->setObjectName(QStringLiteral("Text1"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(iface, nullptr);
    QAccessibleTextInterface* t = iface->textInterface();
    ASSERT_NE(t, nullptr) << "the box answers text requests itself";

    QString longText;
    for (int i = 0; i < 500; ++i) longText += QStringLiteral("twelve faces. ");
    const QString texts[] = {QString(),
                             QStringLiteral("6"),
                             QStringLiteral("20"),
                             QStringLiteral("hello"),
                             QStringLiteral("12 faces"),
                             QStringLiteral("  6.5  "),
                             QStringLiteral("Twelve. Or twenty? Six!"),
                             QStringLiteral("двенадцать граней"),
                             QStringLiteral("十二个面"),
                             QString::fromUtf8("\xF0\x9D\x9F\x99 e\xCC\x81 \xF0\x9F\x98\x80"),
                             longText};
    Watchdog watchdog(std::chrono::seconds(20));
    for (const QString& text : texts) {
        box->setText(text);
        const int n = static_cast<int>(text.size());
        QList<int> offsets{-2, -1, n, n + 1};
        for (int o = 0; o < n && o < 64; ++o) offsets << o;
        if (n > 64) offsets << n / 2 << n - 1;
        for (QAccessible::TextBoundaryType type : kTypes) {
            for (int offset : offsets) {
                const std::string what = "offset " + std::to_string(offset) + ", boundary " +
                                         std::to_string(type) + ", in \"" +
                                         text.left(20).toStdString() + "\"";
                watchdog.asking(what);
                const Piece at = ask(t, Where::At, offset, type);
                const Piece before = ask(t, Where::Before, offset, type);
                const Piece after = ask(t, Where::After, offset, type);
                if (offset == -1 || offset > n) {
                    for (const Piece& p : {at, before, after})
                        EXPECT_TRUE(p.text.isEmpty() && p.start == -1 && p.end == -1) << what;
                    continue;
                }
                for (const Piece& p : {at, before, after}) {
                    EXPECT_TRUE(0 <= p.start && p.start <= p.end && p.end <= n) << what;
                    EXPECT_EQ(p.text, text.mid(p.start, p.end - p.start)) << what;
                }
                const int o = offset == -2 ? box->cursorPosition() : offset;
                if (o < n)
                    EXPECT_TRUE(at.start <= o && o < at.end) << what;
                else if (type == QAccessible::CharBoundary || n == 0)
                    EXPECT_TRUE(at.text.isEmpty()) << what << ": no character past the end";
                else
                    EXPECT_TRUE(at.end == n && !at.text.isEmpty()) << what << ": the last piece";
                if (!before.text.isEmpty()) EXPECT_LE(before.end, at.start) << what;
                if (!after.text.isEmpty()) EXPECT_GE(after.start, at.end) << what;
            }
            // Piece after piece, from the start, the whole text once.
            QString walked;
            for (int o = 0, steps = 0; o < n && steps <= n; ++steps) {
                const Piece p = ask(t, Where::At, o, type);
                walked += p.text;
                o = p.end;
            }
            EXPECT_EQ(walked, text) << "boundary " << type;
        }
    }
}

TEST_F(AnswerBoxText, TheQuestionLabelsTheBoxBothWays) {
    QWidget window;
    auto* box = new QLineEdit(&window);
    box->setObjectName(QStringLiteral("Text1"));
    auto* question = new Label(&window, QStringLiteral("Label1"));
    question->setCaption(QStringLiteral("How many faces?"));
    AccessibleTextBox::setLabel(box, question);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
    EXPECT_EQ(iface->role(), QAccessible::EditableText);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("How many faces?"))
        << "a box without a name of its own is named by its label";

    const auto labels = iface->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.first().first->object(), question);
    const auto labelled =
        QAccessible::queryAccessibleInterface(question)->relations(QAccessible::Labelled);
    ASSERT_EQ(labelled.size(), 1);
    EXPECT_EQ(labelled.first().first->object(), box);
}

}  // namespace
