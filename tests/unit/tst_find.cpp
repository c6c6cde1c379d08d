// SPDX-License-Identifier: GPL-3.0-or-later
// Finding items: words, widths, case, names; the marked words of a row; a changed text found anew;
// which texts need a folded copy kept.
#include "FakePaneHost.h"
#include "model/FindQuery.h"
#include "model/ListCollection.h"
#include "model/ListFinder.h"
#include "model/ListItems.h"
#include "model/ListRecord.h"
#include "model/ProgramState.h"

#include <QtTest>

namespace {
// Items added at the top, so that rows and item numbers run in opposite orders.
struct FindList : ModelFixture {
    FindList()
    {
        list = showNewList();
        for (const char *text : {"ﾃｷｽﾄFile data", "ﬁnal list", "リストの項目 alpha", "ＡＢＣ full width", "abc half", "りすと hiragana",
                                 "Clip BOARD notes", "ｶﾞｲﾄﾞ half kana"})
            items().addItem(QString::fromUtf8(text));
        items().nameItem(RowNumber(1), QStringLiteral("メモ"));
    }
    ListItems &items() { return state->lists().at(list).items(); }
    QStringList found(const QString &query)
    {
        QStringList texts;
        for (RowNumber row : finder.matchingRows(items(), FindQuery(query)))
            texts << items().at(items().itemOfRow(row)).text;
        return texts;
    }
    ListNumber list{0};
    ListFinder finder;
};
} // namespace

class TestFind : public QObject {
    Q_OBJECT
private slots:
    void queries_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("found"); // texts in row order
        QTest::addColumn<QStringList>("marked"); // in the first one's text
        const auto row = [](const char *name, const char *query, QStringList found, QStringList marked) {
            QTest::newRow(name) << QString::fromUtf8(query) << found << marked;
        };
        row("half-width katakana", "ﾘｽﾄ", {"リストの項目 alpha"}, {"リスト"});
        row("voiced half-width", "ガイド", {"ｶﾞｲﾄﾞ half kana"}, {"ｶﾞｲﾄﾞ"});
        row("full-width letters", "ＡＢＣ", {"abc half", "ＡＢＣ full width"}, {"abc"});
        row("case", "abc", {"abc half", "ＡＢＣ full width"}, {"abc"});
        row("hiragana stays apart", "りすと", {"りすと hiragana"}, {"りすと"});
        row("several words", "board  CLIP", {"Clip BOARD notes"}, {"BOARD", "Clip"});
        row("name and text", "メモ notes", {"Clip BOARD notes"}, {"notes"});
        row("one word missing", "abc zzz", {}, {});
        row("every item", "a", {"ｶﾞｲﾄﾞ half kana", "Clip BOARD notes", "りすと hiragana", "abc half",
                                "ＡＢＣ full width", "リストの項目 alpha", "ﬁnal list", "ﾃｷｽﾄFile data"}, {"a", "a", "a"});
        // Texts that fold character by character are matched so; a ligature does not.
        row("word across changed characters", "トfi", {"ﾃｷｽﾄFile data"}, {"ﾄFi"});
        row("ligature", "final", {"ﬁnal list"}, {"ﬁnal"});
    }
    void queries()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, found);
        QFETCH(QStringList, marked);
        FindList list;
        QCOMPARE(list.found(query), found);
        QStringList marks;
        if (!found.isEmpty()) {
            for (const auto &[start, length] : FindQuery(query).marks(found.first()))
                marks << found.first().mid(start, length);
        }
        QCOMPARE(marks, marked);
    }

    void aChangedTextIsFoundAnew()
    {
        FindList list;
        QCOMPARE(list.found(QStringLiteral("half")).size(), 2);
        list.items().at(ItemNumber(4)).text = QStringLiteral("whole");
        QCOMPARE(list.found(QStringLiteral("half")), QStringList{QStringLiteral("ｶﾞｲﾄﾞ half kana")});
    }

    void copiesFollowTheOldestItemsDropped()
    {
        FindList list;
        QCOMPARE(list.found(QStringLiteral("half")).size(), 2);
        // A full list drops its oldest items as new ones come: the copies after them move up.
        list.state->lists().at(list.list).itemLimit = 8;
        list.items().addItem(QStringLiteral("new half"));
        list.items().addItem(QStringLiteral("newer"));
        QCOMPARE(list.found(QStringLiteral("half")), (QStringList{"new half", "ｶﾞｲﾄﾞ half kana", "abc half"}));
        QCOMPARE(list.found(QStringLiteral("file")), QStringList());
    }

    void onlyTextsThatFoldOtherwiseAreCopied()
    {
        // Width and case fold character by character: only the characters changed are kept.
        const KeptFold changed = FindQuery::keptFold(QString::fromUtf8("ﾃｷｽﾄ ＡＢＣ Clip ﾃｷｽﾄ"));
        QVERIFY(changed.foldEach);
        QCOMPARE(changed.characters, QString::fromUtf8("CＡＢＣｷｽﾃﾄ"));
        const KeptFold same = FindQuery::keptFold(QString::fromUtf8("テキスト abc"));
        QVERIFY(same.foldEach && same.characters.isEmpty());
        // Marks that compose with the character before them change the length.
        const KeptFold composed = FindQuery::keptFold(QString::fromUtf8("ｶﾞｲﾄﾞ"));
        QVERIFY(!composed.foldEach);
        QCOMPARE(composed.characters, QString::fromUtf8("ガイド"));
    }
};

QTEST_GUILESS_MAIN(TestFind)
#include "tst_find.moc"
