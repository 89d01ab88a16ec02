#include "platform/files/TestFiles.h"
#include "platform/table/DbfTable.h"
#include "platform/table/FileWrites.h"
#include "platform/table/MemoFile.h"
#include "platform/text/Cp1250.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <functional>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kCzech = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy");

using TestFiles::contentOf;
using TestFiles::put;

// Runs a script with Debian's interpreter, which owns python3-dbf and
// python3-dbfread; the script's standard output is returned.
QByteArray runPython(const QString &script, const QStringList &arguments)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-c"), script} + arguments);
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        qWarning().noquote() << python.readAllStandardError();
        return {};
    }
    return python.readAllStandardOutput();
}

// Every record as python3-dbfread sees it: {"fields": [[name, type, length]],
// "records": [{name: value}]}. It finds memo files only as .dbt, so the pair
// is read from copies so named.
QJsonObject readWithDbfread(const QString &path)
{
    const QString script = QStringLiteral(R"(
import json, os, shutil, sys, tempfile, dbfread
folder = tempfile.mkdtemp()
shutil.copy(sys.argv[1], os.path.join(folder, 't.dbf'))
if os.path.exists(sys.argv[2]):
    shutil.copy(sys.argv[2], os.path.join(folder, 't.dbt'))
t = dbfread.DBF(os.path.join(folder, 't.dbf'), encoding='cp1250', char_decode_errors='strict')
out = {'fields': [[f.name, f.type, f.length] for f in t.fields],
       'records': [dict(r) for r in t]}
print(json.dumps(out, default=str, ensure_ascii=True))
)");
    return QJsonDocument::fromJson(runPython(script, {path, DbfTable::memoPathFor(path)})).object();
}

// Runs `work` in a child process that starts when `start` is closed; the
// child's exit status is what `work` returns.
pid_t spawn(const int start[2], const std::function<int()> &work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(start[1]);
        char ignored = 0;
        while (::read(start[0], &ignored, 1) > 0) {
        }
        ::_exit(work());
    }
    return child;
}

int exitStatusOf(pid_t child)
{
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

FieldDef column(const char *name, FieldType type, int length = 0, int decimals = 0)
{
    return FieldDef{QString::fromLatin1(name), type, length, decimals};
}

const QList<FieldDef> kColumns = {
    column("CISLO", FieldType::Numeric),     column("TEXT", FieldType::Memo),
    column("PLATI", FieldType::Logical),     column("JMENO", FieldType::Character, 20),
    column("DATUM", FieldType::Date),        column("CENA", FieldType::Numeric, 8, 2),
};

struct Row
{
    QString number, memo, valid, name, date, price;
};

Result<> appendRow(DbfTable &table, const Row &row)
{
    const QStringList values = {row.number, row.memo, row.valid, row.name, row.date, row.price};
    Result<> result = table.append();
    for (int i = 0; result && i < values.size(); ++i)
        result = table.setText(i, values[i]);
    return result ? table.post() : result;
}

QStringList rowTexts(const DbfTable &table)
{
    QStringList texts;
    for (int i = 0; i < table.fields().size(); ++i)
        texts << table.field(i).asText();
    return texts;
}

// A dBASE IV table (0x8B) with one number and one memo column, laid out by
// hand the way dBASE IV writes it: memo blocks start FF FF 08 00 and their
// length; the memo header gives the block size.
struct Dbase4Pair
{
    QByteArray table;
    QByteArray memo;

    static Dbase4Pair make(const QList<QPair<int, QByteArray>> &rows, quint16 blockSize = 64)
    {
        Dbase4Pair pair;
        const int headerLength = 32 + 2 * 32 + 1;
        const int recordLength = 1 + 11 + 10;
        pair.table = QByteArray(headerLength, '\0');
        pair.table[0] = char(0x8B);
        pair.table[1] = char(102);
        pair.table[2] = 6;
        pair.table[3] = 27;
        qToLittleEndian<quint32>(quint32(rows.size()), pair.table.data() + 4);
        qToLittleEndian<quint16>(headerLength, pair.table.data() + 8);
        qToLittleEndian<quint16>(recordLength, pair.table.data() + 10);
        pair.table.replace(32, 5, "CISLO");
        pair.table[32 + 11] = 'N';
        pair.table[32 + 16] = 11;
        pair.table.replace(64, 4, "TEXT");
        pair.table[64 + 11] = 'M';
        pair.table[64 + 16] = 10;
        pair.table[96] = 0x0D;

        pair.memo = QByteArray(blockSize, '\0');
        qToLittleEndian<quint16>(blockSize, pair.memo.data() + 20);
        for (const auto &[number, text] : rows) {
            QByteArray pointer(10, ' ');
            if (!text.isEmpty()) {
                const quint32 block = quint32(pair.memo.size() / blockSize);
                pointer = QByteArray::number(block).rightJustified(10, ' ');
                QByteArray stored("\xFF\xFF\x08\x00", 4);
                stored.append(QByteArray(4, '\0'));
                qToLittleEndian<quint32>(quint32(text.size() + 8), stored.data() + 4);
                stored.append(text);
                stored.append(QByteArray((blockSize - stored.size() % blockSize) % blockSize, '\0'));
                pair.memo.append(stored);
            }
            pair.table.append(' ' + QByteArray::number(number).rightJustified(11, ' ') + pointer);
        }
        qToLittleEndian<quint32>(quint32(pair.memo.size() / blockSize), pair.memo.data());
        pair.table.append('\x1A');
        return pair;
    }
};

// Moves from the second record of two back to the first the way `move`
// names; `next` tries to pass the last one.
Result<> moveBack(DbfTable &table, const QString &move)
{
    if (move == QLatin1String("first"))
        return table.first();
    if (move == QLatin1String("next"))
        return table.next();
    const Result<bool> moved = move == QLatin1String("moveTo") ? table.moveTo(1) : table.locate(0, QStringLiteral("1"));
    if (!moved)
        return Failure{moved.error()};
    return {};
}

} // namespace

class DbfTableTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_table;
    QString m_memo;

    void createSample(const QList<Row> &rows)
    {
        QVERIFY(DbfTable::create(m_table, kColumns));
        DbfTable table;
        QVERIFY(table.open(m_table));
        for (const Row &row : rows) {
            const Result<> appended = appendRow(table, row);
            QVERIFY2(appended, qPrintable(appended.error()));
        }
    }

    // The memo column of every record, as a fresh open reads it.
    QStringList storedMemos() const
    {
        DbfTable table;
        QStringList memos;
        if (!table.open(m_table))
            return {QStringLiteral("(the table does not open)")};
        while (!table.eof()) {
            memos << table.field(1).asText();
            if (!table.next())
                return {QStringLiteral("(a move fails)")};
        }
        return memos;
    }

    static const QList<Row> &sampleRows()
    {
        static const QList<Row> rows = {
            {"1", kCzech, "True", QStringLiteral("Šárka"), "20020627", "12.50"},
            {"", "", "", "", "", ""},
            {"-2147483648", QStringLiteral("řádek 1\r\nřádek 2"), "False", "  odsazeno", "19991231", "-3.25"},
        };
        return rows;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_table = m_dir->filePath(QStringLiteral("central.vqn"));
        m_memo = m_dir->filePath(QStringLiteral("central.vqt"));
    }

    void memoFileIsFoundIgnoringCase()
    {
        put(m_dir->filePath(QStringLiteral("Central.vqt")), QByteArray());
        QCOMPARE(DbfTable::memoPathFor(m_table), m_dir->filePath(QStringLiteral("Central.vqt")));
        QCOMPARE(DbfTable::memoPathFor(m_dir->filePath(QStringLiteral("x.dbf"))), m_dir->filePath(QStringLiteral("x.dbt")));
    }

    void createsDbase3WithMemo()
    {
        QVERIFY(DbfTable::create(m_table, kColumns));
        const QByteArray header = contentOf(m_table);
        QCOMPARE(uchar(header[0]), uchar(0x83));
        QCOMPARE(uchar(header[29]), uchar(0xC8));
        QCOMPARE(header.back(), '\x1A');
        const QByteArray memo = contentOf(m_memo);
        QCOMPARE(memo.size(), 512);
        QCOMPARE(qFromLittleEndian<quint32>(memo.constData()), 1u);

        DbfTable table;
        QVERIFY(table.open(m_table));
        QCOMPARE(table.recordCount(), 0);
        QCOMPARE(table.recordNumber(), 0);
        QVERIFY(table.eof());
        const QList<FieldDef> fields = table.fields();
        QCOMPARE(fields.size(), kColumns.size());
        const QList<QPair<int, int>> widths = {{11, 0}, {10, 0}, {1, 0}, {20, 0}, {8, 0}, {8, 2}};
        for (int i = 0; i < fields.size(); ++i) {
            QCOMPARE(fields[i].name, kColumns[i].name);
            QCOMPARE(fields[i].type, kColumns[i].type);
            QCOMPARE(qMakePair(fields[i].length, fields[i].decimals), widths[i]);
        }
        QVERIFY(!table.edit());
    }

    void rejectsColumnsItCannotStore_data()
    {
        QTest::addColumn<FieldDef>("field");
        QTest::newRow("name too long") << column("ELEVENCHARS", FieldType::Numeric);
        QTest::newRow("no name") << column("", FieldType::Numeric);
        QTest::newRow("character without width") << column("JMENO", FieldType::Character);
        QTest::newRow("number too wide") << column("CISLO", FieldType::Numeric, 21);
    }

    void rejectsColumnsItCannotStore()
    {
        QFETCH(FieldDef, field);
        QVERIFY(!DbfTable::create(m_table, {field}));
        QVERIFY(!QFile::exists(m_table));
    }

    void roundTripsThroughOurWriterAndReader()
    {
        createSample(sampleRows());
        DbfTable table;
        QVERIFY(table.open(m_table));
        QCOMPARE(table.recordCount(), 3);
        const QList<QStringList> expected = {
            {"1", kCzech, "True", QStringLiteral("Šárka"), "20020627", "12.50"},
            {"", "", "", "", "", ""},
            {"-2147483648", QStringLiteral("řádek 1\r\nřádek 2"), "False", "  odsazeno", "19991231", "-3.25"},
        };
        for (const QStringList &row : expected) {
            QVERIFY(!table.eof());
            QCOMPARE(rowTexts(table), row);
            QVERIFY(table.next());
        }
        QVERIFY(table.eof());
        QCOMPARE(table.recordNumber(), 3);
    }

    void rejectsValuesAColumnCannotHold_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("value");
        QTest::newRow("text in a number") << 0 << "12a";
        QTest::newRow("number too wide") << 0 << "123456789012";
        QTest::newRow("not a Boolean") << 2 << "maybe";
        QTest::newRow("text too long") << 3 << QString(21, 'x');
        QTest::newRow("not a date") << 4 << "20021332";
        QTest::newRow("memo end marker in a memo") << 1 << QStringLiteral("před\x1Apo");
    }

    void rejectsValuesAColumnCannotHold()
    {
        QFETCH(int, index);
        QFETCH(QString, value);
        createSample({sampleRows()[0]});
        DbfTable table;
        QVERIFY(table.open(m_table));
        QVERIFY(table.edit());
        QVERIFY(!table.setText(index, value));
        QVERIFY(table.post());
        QVERIFY(table.open(m_table));
        QCOMPARE(table.field(0).asText(), QStringLiteral("1"));
        QCOMPARE(table.field(3).asText(), QStringLiteral("Šárka"));
        QCOMPARE(table.field(1).asText(), kCzech);
    }

    void dbfreadReadsWhatWeWrite()
    {
        createSample(sampleRows());
        const QJsonObject read = readWithDbfread(m_table);
        QVERIFY(!read.isEmpty());
        const QJsonArray fields = read[QStringLiteral("fields")].toArray();
        QCOMPARE(QJsonDocument(fields).toJson(QJsonDocument::Compact),
                 QByteArray(R"([["CISLO","N",11],["TEXT","M",10],["PLATI","L",1],["JMENO","C",20],["DATUM","D",8],["CENA","N",8]])"));
        const QJsonArray records = read[QStringLiteral("records")].toArray();
        QCOMPARE(records.size(), 3);
        const QJsonObject first = records[0].toObject();
        QCOMPARE(first[QStringLiteral("CISLO")].toInt(), 1);
        QCOMPARE(first[QStringLiteral("TEXT")].toString(), kCzech);
        QCOMPARE(first[QStringLiteral("PLATI")].toBool(), true);
        QCOMPARE(first[QStringLiteral("JMENO")].toString(), QStringLiteral("Šárka"));
        QCOMPARE(first[QStringLiteral("DATUM")].toString(), QStringLiteral("2002-06-27"));
        QCOMPARE(first[QStringLiteral("CENA")].toDouble(), 12.5);
        const QJsonObject empty = records[1].toObject();
        for (const char *name : {"CISLO", "PLATI", "DATUM", "CENA"})
            QVERIFY2(empty[QLatin1String(name)].isNull(), name);
        QCOMPARE(empty[QStringLiteral("TEXT")].toString(), QString());
        const QJsonObject third = records[2].toObject();
        QCOMPARE(third[QStringLiteral("CISLO")].toInteger(), -2147483648LL);
        QCOMPARE(third[QStringLiteral("TEXT")].toString(), QStringLiteral("řádek 1\r\nřádek 2"));
        QCOMPARE(third[QStringLiteral("PLATI")].toBool(true), false);
    }

    void readsWhatPythonDbfWrites()
    {
        const QString script = QStringLiteral(R"(
import sys, dbf
t = dbf.Table(sys.argv[1], 'CISLO N(11,0); TEXT M; PLATI L; JMENO C(20); DATUM D', dbf_type='db3', codepage='cp1250')
t.open(dbf.READ_WRITE)
t.append((7, sys.argv[2], True, 'Šárka', dbf.Date(2002, 6, 27)))
t.append((8, '', None, '', None))
t.append((9, 'smazaný', False, 'x', None))
t.append((10, 'poslední', False, 'y', None))
dbf.delete(t[2])
t.close()
)");
        const QString path = m_dir->filePath(QStringLiteral("py.dbf"));
        runPython(script, {path, kCzech});
        DbfTable table;
        const Result<> opened = table.open(path);
        QVERIFY2(opened, qPrintable(opened.error()));
        QCOMPARE(table.recordCount(), 3);
        QCOMPARE(rowTexts(table), QStringList({"7", kCzech, "True", QStringLiteral("Šárka"), "20020627"}));
        QVERIFY(table.next());
        QCOMPARE(rowTexts(table), QStringList({"8", "", "", "", ""}));
        QVERIFY(!table.field(2).asBoolean());
        QVERIFY(table.next());
        QCOMPARE(table.field(0).asText(), QStringLiteral("10"));

        // Our post into their table is read back by both readers.
        QVERIFY(table.edit());
        QVERIFY(table.setText(1, QStringLiteral("změněno")));
        QVERIFY(table.post());
        const QJsonArray records = readWithDbfread(path)[QStringLiteral("records")].toArray();
        QCOMPARE(records.size(), 3);
        QCOMPARE(records[0].toObject()[QStringLiteral("TEXT")].toString(), kCzech);
        QCOMPARE(records[2].toObject()[QStringLiteral("TEXT")].toString(), QStringLiteral("změněno"));
    }

    void readsDbase4Memos()
    {
        const QByteArray czech = Cp1250::encode(kCzech);
        const Dbase4Pair pair = Dbase4Pair::make({{1, czech}, {2, QByteArray()}, {3, QByteArray(150, 'x')}});
        put(m_dir->filePath(QStringLiteral("d4.dbf")), pair.table);
        put(m_dir->filePath(QStringLiteral("D4.DBT")), pair.memo);
        const QString path = m_dir->filePath(QStringLiteral("d4.dbf"));

        DbfTable table;
        const Result<> opened = table.open(path);
        QVERIFY2(opened, qPrintable(opened.error()));
        QCOMPARE(rowTexts(table), QStringList({"1", kCzech}));
        QVERIFY(table.next());
        QCOMPARE(rowTexts(table), QStringList({"2", ""}));
        QVERIFY(table.next());
        QCOMPARE(table.field(1).asText(), QString(150, 'x'));

        // A post keeps the dBASE IV layout, and the old blocks stay as they were.
        QVERIFY(table.edit());
        QVERIFY(table.setText(1, QStringLiteral("nový text")));
        QVERIFY(table.post());
        QCOMPARE(contentOf(m_dir->filePath(QStringLiteral("D4.DBT"))).left(pair.memo.size()).mid(64), pair.memo.mid(64));
        QVERIFY(table.open(path));
        QVERIFY(*table.moveTo(3));
        QCOMPARE(table.field(1).asText(), QStringLiteral("nový text"));
    }

    // dbfread takes the block length of a dBASE IV memo without its 8 header
    // bytes, dBASE IV with them; so it reads 8 bytes of block padding more.
    void dbfreadAgreesOnDbase4()
    {
        const Dbase4Pair pair = Dbase4Pair::make({{1, Cp1250::encode(kCzech)}, {2, QByteArray()}}, 512);
        const QString path = m_dir->filePath(QStringLiteral("d4.dbf"));
        put(path, pair.table);
        put(m_dir->filePath(QStringLiteral("d4.dbt")), pair.memo);
        const QJsonArray records = readWithDbfread(path)[QStringLiteral("records")].toArray();
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[0].toObject()[QStringLiteral("CISLO")].toInt(), 1);
        QCOMPARE(records[0].toObject()[QStringLiteral("TEXT")].toString(), kCzech + QString(8, QChar(0)));
        QCOMPARE(records[1].toObject()[QStringLiteral("TEXT")].toString(), QString());
        DbfTable table;
        QVERIFY(table.open(path));
        QCOMPARE(table.field(1).asText(), kCzech);
    }

    void locateFindsExactTextOrStays()
    {
        createSample({{"5", "pět", "T", "", "", ""}, {"12", "dvanáct", "T", "", "", ""}, {"7", "sedm", "T", "", "", ""}});
        DbfTable table;
        QVERIFY(table.open(m_table));
        QVERIFY(*table.moveTo(3));
        QVERIFY(*table.locate(0, QStringLiteral("12")));
        QCOMPARE(table.recordNumber(), 2);
        QVERIFY(*table.locate(0, QStringLiteral("12")));
        QCOMPARE(table.field(1).asText(), QStringLiteral("dvanáct"));
        for (const QString &absent : {QStringLiteral("1"), QStringLiteral("012"), QStringLiteral(" 5"), QString()}) {
            QVERIFY(!*table.locate(0, absent));
            QCOMPARE(table.recordNumber(), 2);
        }
        QVERIFY(*table.locate(1, QStringLiteral("sedm")));
        QCOMPARE(table.recordNumber(), 3);
        QVERIFY(!*table.locate(-1, QStringLiteral("5")));
    }

    void deletedRecordsAreSkipped()
    {
        createSample({{"1", "a", "", "", "", ""}, {"2", "b", "", "", "", ""}, {"3", "c", "", "", "", ""}});
        DbfTable table;
        QVERIFY(table.open(m_table));
        QVERIFY(*table.moveTo(2));
        QVERIFY(table.deleteRecord());
        QCOMPARE(table.field(0).asText(), QStringLiteral("3"));
        QVERIFY(table.deleteRecord());
        QCOMPARE(table.field(0).asText(), QStringLiteral("1"));

        QVERIFY(table.open(m_table));
        QCOMPARE(table.recordCount(), 1);
        QVERIFY(!*table.locate(0, QStringLiteral("2")));
        QVERIFY(table.next());
        QVERIFY(table.eof());
        QVERIFY(table.deleteRecord());
        QVERIFY(table.open(m_table));
        QCOMPARE(table.recordCount(), 0);
        QVERIFY(table.eof());
        QCOMPARE(readWithDbfread(m_table)[QStringLiteral("records")].toArray().size(), 0);
    }

    void damagedFilesGiveClearErrors_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty file") << "empty" << "Tabulka central.vqn je poškozena: soubor je kratší než hlavička tabulky";
        QTest::newRow("truncated header") << "truncatedHeader" << "Tabulka central.vqn je poškozena: délka hlavičky";
        QTest::newRow("truncated records") << "truncatedRecords" << "Tabulka central.vqn je poškozena: soubor má";
        QTest::newRow("record length mismatch") << "recordLength" << "Tabulka central.vqn je poškozena: délka záznamu 99";
        QTest::newRow("header length past columns") << "headerLength" << "Tabulka central.vqn je poškozena: seznam sloupců";
        QTest::newRow("unknown type") << "unknownType" << "Tabulka central.vqn je poškozena: sloupec CISLO má neznámý typ 'Q'";
        QTest::newRow("not a dBASE file") << "version" << "central.vqn není tabulka dBASE III ani IV";
        QTest::newRow("memo pointer past end") << "memoPastEnd" << "Soubor poznámek central.vqt je poškozen: poznámka v bloku 99";
        QTest::newRow("memo without end") << "memoNoEnd" << "Soubor poznámek central.vqt je poškozen: poznámka v bloku 1 nemá značku konce";
        QTest::newRow("memo pointer not a number") << "memoPointer" << "záznam 1 nemá ve sloupci TEXT číslo bloku poznámky";
        QTest::newRow("memo file missing") << "memoMissing" << "Soubor poznámek central.vqt tabulky central.vqn chybí";
        QTest::newRow("memo header truncated") << "memoHeader" << "Soubor poznámek central.vqt je poškozen: soubor je kratší než hlavička souboru poznámek";
    }

    void damagedFilesGiveClearErrors()
    {
        QFETCH(QString, damage);
        QFETCH(QString, expected);
        createSample({sampleRows()[0], sampleRows()[1]});
        QByteArray table = contentOf(m_table);
        QByteArray memo = contentOf(m_memo);
        const int headerLength = qFromLittleEndian<quint16>(table.constData() + 8);
        const int memoPointer = headerLength + 1 + 11;
        if (damage == u"empty")
            table.clear();
        else if (damage == u"truncatedHeader")
            table.truncate(100);
        else if (damage == u"truncatedRecords")
            table.chop(30);
        else if (damage == u"recordLength")
            qToLittleEndian<quint16>(99, table.data() + 10);
        else if (damage == u"headerLength")
            qToLittleEndian<quint16>(40, table.data() + 8);
        else if (damage == u"unknownType")
            table[32 + 11] = 'Q';
        else if (damage == u"version")
            table[0] = 0x30;
        else if (damage == u"memoPastEnd")
            table.replace(memoPointer, 10, "        99");
        else if (damage == u"memoNoEnd")
            memo.replace(memo.indexOf("\x1A\x1A"), 2, "xx");
        else if (damage == u"memoPointer")
            table.replace(memoPointer, 10, "     12ab ");
        else if (damage == u"memoMissing")
            QVERIFY(QFile::remove(m_memo));
        else if (damage == u"memoHeader")
            memo.truncate(10);
        put(m_table, table);
        if (damage != u"memoMissing")
            put(m_memo, memo);

        DbfTable opened;
        const Result<> result = opened.open(m_table);
        QVERIFY(!result);
        QVERIFY2(result.error().contains(expected), qPrintable(result.error()));
        QVERIFY(!opened.isOpen());
    }

    void dbase4MemoLengthOverflowIsAnError()
    {
        Dbase4Pair pair = Dbase4Pair::make({{1, QByteArray("text")}});
        qToLittleEndian<quint32>(100000, pair.memo.data() + 64 + 4);
        put(m_dir->filePath(QStringLiteral("d4.dbf")), pair.table);
        put(m_dir->filePath(QStringLiteral("d4.dbt")), pair.memo);
        DbfTable table;
        const Result<> result = table.open(m_dir->filePath(QStringLiteral("d4.dbf")));
        QVERIFY(!result);
        QVERIFY2(result.error().contains(QStringLiteral("Soubor poznámek d4.dbt je poškozen: poznámka v bloku 1 udává 100000 bajtů")),
                 qPrintable(result.error()));
    }

    void interruptedPostKeepsOneWholeRecord_data()
    {
        QTest::addColumn<int>("allowedWrites");
        QTest::addColumn<bool>("newValuesStored");
        // Writes of a post: memo blocks, record, memo header, table header.
        QTest::newRow("before the memo blocks") << 0 << false;
        QTest::newRow("before the record") << 1 << false;
        QTest::newRow("before the memo header") << 2 << true;
        QTest::newRow("before the table header") << 3 << true;
    }

    void interruptedPostKeepsOneWholeRecord()
    {
        QFETCH(int, allowedWrites);
        QFETCH(bool, newValuesStored);
        createSample({{"1", "stará otázka", "T", "", "", ""}, {"2", "druhá", "T", "", "", ""}});
        {
            DbfTable table;
            QVERIFY(table.open(m_table));
            QVERIFY(table.edit());
            QVERIFY(table.setText(0, QStringLiteral("11")));
            QVERIFY(table.setText(1, QStringLiteral("nová otázka")));
            const FileWrites::FailAfter failing(allowedWrites);
            QVERIFY(!table.post());
            QCOMPARE(table.state(), DbfTable::State::Edit);
        }
        DbfTable table;
        QVERIFY(table.open(m_table));
        QCOMPARE(table.recordCount(), 2);
        const QStringList expected = newValuesStored ? QStringList{"11", QStringLiteral("nová otázka")}
                                                     : QStringList{"1", QStringLiteral("stará otázka")};
        QCOMPARE(rowTexts(table).mid(0, 2), expected);

        // A later memo never lands on a block that a stored value uses.
        QVERIFY(*table.moveTo(2));
        QVERIFY(table.edit());
        QVERIFY(table.setText(1, QStringLiteral("jiná")));
        QVERIFY(table.post());
        QVERIFY(table.open(m_table));
        QCOMPARE(table.field(1).asText(), expected[1]);
        QVERIFY(table.next());
        QCOMPARE(table.field(1).asText(), QStringLiteral("jiná"));
    }

    // A post that failed part-way and is posted again stores the record once.
    void retriedPostStoresOnce_data()
    {
        QTest::addColumn<bool>("appending");
        QTest::addColumn<int>("allowedWrites");
        for (const bool appending : {false, true})
            for (int allowed = 0; allowed <= 3; ++allowed)
                QTest::addRow("%s, %d writes allowed", appending ? "append" : "edit", allowed) << appending << allowed;
    }

    void retriedPostStoresOnce()
    {
        QFETCH(bool, appending);
        QFETCH(int, allowedWrites);
        createSample({{"1", "první", "T", "", "", ""}, {"2", "druhá", "T", "", "", ""}});
        DbfTable table;
        QVERIFY(table.open(m_table));
        QVERIFY(appending ? table.append() : table.edit());
        QVERIFY(table.setText(0, QStringLiteral("3")));
        QVERIFY(table.setText(1, QStringLiteral("třetí")));
        {
            const FileWrites::FailAfter failing(allowedWrites);
            QVERIFY(!table.post());
        }
        QVERIFY(table.post());
        QCOMPARE(table.field(1).asText(), QStringLiteral("třetí"));

        const QList<QStringList> expected = appending
            ? QList<QStringList>{{"1", QStringLiteral("první")}, {"2", QStringLiteral("druhá")}, {"3", QStringLiteral("třetí")}}
            : QList<QStringList>{{"3", QStringLiteral("třetí")}, {"2", QStringLiteral("druhá")}};
        QVERIFY(table.open(m_table));
        QCOMPARE(table.recordCount(), expected.size());
        for (const QStringList &row : expected) {
            QCOMPARE(rowTexts(table).mid(0, 2), row);
            QVERIFY(table.next());
        }
    }

    // Memo texts read right in the table that wrote them, before any reopen.
    void readsItsOwnPostsWithoutReopening()
    {
        QVERIFY(DbfTable::create(m_table, kColumns));
        DbfTable table;
        QVERIFY(table.open(m_table));
        const QStringList memos = {kCzech, QString(700, QLatin1Char('m')), QStringLiteral("třetí")};
        for (int i = 0; i < memos.size(); ++i)
            QVERIFY(appendRow(table, {QString::number(i + 1), memos[i], "T", "", "", ""}));
        QVERIFY(*table.moveTo(2));
        QVERIFY(table.edit());
        QVERIFY(table.setText(1, QStringLiteral("kratší")));
        QVERIFY(table.post());
        const QStringList expected = {kCzech, QStringLiteral("kratší"), QStringLiteral("třetí")};
        QStringList read;
        QVERIFY(table.first());
        while (!table.eof()) {
            read << table.field(1).asText();
            QVERIFY(table.next());
        }
        QCOMPARE(read, expected);
        QVERIFY(*table.locate(1, QStringLiteral("kratší")));
        QCOMPARE(table.recordNumber(), 2);
    }

    // The memo file is read in block order through a window: memos that an
    // edit moved past later ones, and memos longer than the window, read
    // back whole and in their records.
    void memosReadWhateverTheirOrderAndLength()
    {
        const QString longMemo = QString(200000, QLatin1Char('x')) + kCzech;
        createSample({{"1", "první", "T", "", "", ""}, {"2", longMemo, "T", "", "", ""}, {"3", "třetí", "T", "", "", ""}});
        {
            DbfTable table;
            QVERIFY(table.open(m_table));
            QVERIFY(table.edit());
            QVERIFY(table.setText(1, QStringLiteral("přesunutá")));
            QVERIFY(table.post());
        }
        QCOMPARE(storedMemos(), (QStringList{QStringLiteral("přesunutá"), longMemo, QStringLiteral("třetí")}));
    }

    // A memo file that another program cuts short while it is read gives an
    // error naming it, not a crash or a text from past its end.
    void memoFileCutShortWhileReadIsAnError()
    {
        createSample({{"1", QString(100000, QLatin1Char('a')), "T", "", "", ""}, {"2", "b", "T", "", "", ""}});
        MemoFile memo;
        QVERIFY(memo.open(m_memo, DbfHeader::MemoLayout::DBase3));
        QVERIFY(QFile::resize(m_memo, 2048));
        const Result<QByteArrayView> result = memo.text(1);
        QVERIFY(!result);
        QVERIFY2(result.error().contains(QStringLiteral("Soubor poznámek central.vqt je poškozen: soubor se během čtení zkrátil")), qPrintable(result.error()));
    }

    // Blocks that another writer added since the table opened stay untouched.
    void postsAppendPastBlocksWrittenMeanwhile()
    {
        createSample({{"1", "a", "T", "", "", ""}, {"2", "b", "T", "", "", ""}});
        DbfTable first;
        DbfTable second;
        QVERIFY(first.open(m_table));
        QVERIFY(second.open(m_table));
        QVERIFY(second.edit());
        QVERIFY(second.setText(1, QStringLiteral("od druhého")));
        QVERIFY(second.post());
        QVERIFY(*first.moveTo(2));
        QVERIFY(first.edit());
        QVERIFY(first.setText(1, QStringLiteral("od prvního")));
        QVERIFY(first.post());

        DbfTable table;
        QVERIFY(table.open(m_table));
        QCOMPARE(table.field(1).asText(), QStringLiteral("od druhého"));
        QVERIFY(table.next());
        QCOMPARE(table.field(1).asText(), QStringLiteral("od prvního"));
    }

    void interruptedAppendAddsNothing()
    {
        createSample({{"1", "a", "T", "", "", ""}});
        {
            DbfTable table;
            QVERIFY(table.open(m_table));
            const FileWrites::FailAfter failing(2);
            QVERIFY(!appendRow(table, {"2", "b", "T", "", "", ""}));
        }
        DbfTable table;
        QVERIFY(table.open(m_table));
        QCOMPARE(table.recordCount(), 1);
        QVERIFY(appendRow(table, {"3", "c", "T", "", "", ""}));
        QVERIFY(table.open(m_table));
        QCOMPARE(table.recordCount(), 2);
        QVERIFY(table.next());
        QCOMPARE(rowTexts(table).mid(0, 2), QStringList({"3", "c"}));
    }

    void movingWhileEditingPostsFirst()
    {
        createSample({{"1", "a", "T", "", "", ""}, {"2", "b", "T", "", "", ""}});
        DbfTable table;
        QVERIFY(table.open(m_table));
        QVERIFY(table.edit());
        QVERIFY(table.setText(1, QStringLiteral("změna")));
        QVERIFY(table.next());
        QCOMPARE(table.state(), DbfTable::State::Browse);
        QCOMPARE(table.recordNumber(), 2);
        QVERIFY(table.first());
        QCOMPARE(table.field(1).asText(), QStringLiteral("změna"));
        QVERIFY(table.edit());
        QVERIFY(table.setText(1, QStringLiteral("zahozeno")));
        table.cancel();
        QCOMPARE(table.field(1).asText(), QStringLiteral("změna"));
    }

    void aMoveWhosePostFailsSaysWhy_data()
    {
        QTest::addColumn<QString>("move");
        for (const char *move : {"next", "first", "moveTo", "locate"})
            QTest::newRow(move) << QString::fromLatin1(move);
    }

    // The disk refuses the post that a move makes first: the move fails with
    // the reason, nothing moves and the edit stays pending for a later post.
    void aMoveWhosePostFailsSaysWhy()
    {
        QFETCH(QString, move);
        createSample({{"1", "a", "T", "", "", ""}, {"2", "b", "T", "", "", ""}});
        DbfTable table;
        QVERIFY(table.open(m_table));
        QVERIFY(table.next());
        QVERIFY(table.edit());
        QVERIFY(table.setText(1, QStringLiteral("změna")));
        {
            const FileWrites::FailAfter failing(0);
            const Result<> moved = moveBack(table, move);
            QVERIFY(!moved);
            QCOMPARE(moved.error(), QStringLiteral("Do souboru central.vqt nelze zapisovat: zápis byl odmítnut."));
        }
        QCOMPARE(table.state(), DbfTable::State::Edit);
        QCOMPARE(table.recordNumber(), 2);
        QVERIFY(!table.eof());
        QCOMPARE(storedMemos(), QStringList({"a", "b"}));
        QVERIFY(table.next());
        QCOMPARE(table.state(), DbfTable::State::Browse);
        QVERIFY(table.eof());
        QCOMPARE(storedMemos(), QStringList({"a", QStringLiteral("změna")}));
    }

    // Two programs append at once while a third keeps opening the table.
    void programsPostingAtOnceLoseNothing()
    {
        QVERIFY(DbfTable::create(m_table, kColumns));
        constexpr int kEach = 2000;
        const auto memoOf = [](int writer, int record) {
            return QStringLiteral("zapisovatel %1, záznam %2").arg(writer).arg(record);
        };
        const auto writer = [&](int who) {
            return [&, who] {
                DbfTable table;
                if (!table.open(m_table))
                    return 3;
                for (int record = 1; record <= kEach; ++record)
                    if (!appendRow(table, {QString::number(who * 100000 + record), memoOf(who, record), "T", "", "", ""}))
                        return 1;
                return 0;
            };
        };
        // Every open must succeed, and its last record must carry its own memo.
        const QString writersDone = m_dir->filePath(QStringLiteral("writers-done"));
        const auto reader = [&] {
            for (int seen = 0; seen < 2 * kEach && !QFile::exists(writersDone);) {
                DbfTable table;
                if (!table.open(m_table))
                    return 1;
                seen = table.recordCount();
                if (seen > 0 && *table.moveTo(seen)) {
                    const int number = table.field(0).asInteger();
                    if (table.field(1).asText() != memoOf(number / 100000, number % 100000))
                        return 2;
                }
            }
            return 0;
        };
        int start[2];
        QVERIFY(::pipe(start) == 0);
        const pid_t writers[] = {spawn(start, writer(1)), spawn(start, writer(2))};
        const pid_t readerProcess = spawn(start, reader);
        ::close(start[0]);
        ::close(start[1]);
        const int writerStatus[] = {exitStatusOf(writers[0]), exitStatusOf(writers[1])};
        TestFiles::put(writersDone, QByteArray());
        QCOMPARE(exitStatusOf(readerProcess), 0);
        QCOMPARE(writerStatus[0], 0);
        QCOMPARE(writerStatus[1], 0);

        DbfTable table;
        QVERIFY(table.open(m_table));
        QCOMPARE(table.recordCount(), 2 * kEach);
        std::set<int> numbers;
        while (!table.eof()) {
            const int number = table.field(0).asInteger();
            QCOMPARE(table.field(1).asText(), memoOf(number / 100000, number % 100000));
            numbers.insert(number);
            QVERIFY(table.next());
        }
        QCOMPARE(int(numbers.size()), 2 * kEach);
        QCOMPARE(readWithDbfread(m_table)[QStringLiteral("records")].toArray().size(), 2 * kEach);
    }

    // The same in one program, step by step: an append goes past the records
    // that another writer appended since the table opened, and counts them.
    void appendTakesInRecordsAddedMeanwhile()
    {
        createSample({{"1", "první", "T", "", "", ""}});
        DbfTable first;
        DbfTable second;
        QVERIFY(first.open(m_table));
        QVERIFY(second.open(m_table));
        QVERIFY(appendRow(second, {"2", "od druhého", "T", "", "", ""}));
        QVERIFY(appendRow(first, {"3", "od prvního", "T", "", "", ""}));
        QCOMPARE(first.recordCount(), 3);
        QVERIFY(*first.moveTo(2));
        QCOMPARE(rowTexts(first).mid(0, 2), QStringList({"2", QStringLiteral("od druhého")}));
        QVERIFY(second.edit());
        QVERIFY(second.setText(1, QStringLiteral("změněno druhým")));
        QVERIFY(second.post());

        QCOMPARE(storedMemos(), QStringList({QStringLiteral("první"), QStringLiteral("změněno druhým"), QStringLiteral("od prvního")}));
    }

    // A table that another program replaced (a restore) since it was opened
    // takes no post: it would land in the file that was replaced.
    void postAfterAReplaceIsRefused()
    {
        createSample({sampleRows()[0]});
        DbfTable table;
        QVERIFY(table.open(m_table));
        QVERIFY(DbfTable::create(m_table, kColumns));
        QVERIFY(table.edit());
        QVERIFY(table.setText(0, QStringLiteral("2")));
        const Result<> posted = table.post();
        QVERIFY(!posted);
        QVERIFY2(posted.error().contains(QStringLiteral("Tabulku central.vqn mezitím nahradil nebo změnil jiný program")),
                 qPrintable(posted.error()));
        QVERIFY(table.open(m_table));
        QCOMPARE(table.recordCount(), 0);
    }

    void relativePathKeepsThePairTogether()
    {
        const QString name = QStringLiteral("relative-%1.dbf").arg(QCoreApplication::applicationPid());
        const QString memoName = QStringLiteral("relative-%1.dbt").arg(QCoreApplication::applicationPid());
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        const Result<> created = DbfTable::create(name, kColumns);
        DbfTable table;
        const Result<> opened = table.open(name);
        const Result<> appended = opened ? appendRow(table, sampleRows()[0]) : opened;
        const QString memoPath = DbfTable::memoPathFor(name);
        QDir::setCurrent(saved);
        QVERIFY2(created, qPrintable(created.error()));
        QVERIFY2(appended, qPrintable(appended.error()));
        QCOMPARE(memoPath, m_dir->filePath(memoName));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList({name, memoName}));
        QVERIFY(table.open(m_dir->filePath(name)));
        QCOMPARE(table.field(1).asText(), kCzech);
    }

    // N columns up to 20 digits hold more than 64 bits.
    void widestNumbersAreKeptExactly()
    {
        const QList<FieldDef> columns = {column("N19", FieldType::Numeric, 19), column("N20", FieldType::Numeric, 20),
                                         column("N20D2", FieldType::Numeric, 20, 2)};
        const QList<QStringList> rows = {
            {"9999999999999999999", "99999999999999999999", "12345678901234567.25"},
            {"-999999999999999999", "-9999999999999999999", "-1234567890123456.75"},
            {"9223372036854775808", "18446744073709551616", "0.01"},
        };
        QVERIFY(DbfTable::create(m_table, columns));
        {
            DbfTable table;
            QVERIFY(table.open(m_table));
            for (const QStringList &row : rows) {
                QVERIFY(table.append());
                for (int i = 0; i < row.size(); ++i)
                    QVERIFY(table.setText(i, row[i]));
                QVERIFY(table.post());
            }
            QVERIFY(table.append());
            const Result<> refused = table.setText(1, QStringLiteral("100000000000000000000"));
            QVERIFY(!refused);
            QCOMPARE(refused.error(), QStringLiteral("100000000000000000000 se do sloupce N20 nevejde."));
            table.cancel();
        }
        DbfTable table;
        QVERIFY(table.open(m_table));
        QList<QStringList> read;
        while (!table.eof()) {
            read << rowTexts(table);
            QVERIFY(table.next());
        }
        QCOMPARE(read, rows);

        // dbfread reads whole numbers as Python's unbounded integers; the
        // decimal column is compared as the text it stores.
        const QString script = QStringLiteral(R"(
import sys, dbfread
values = [(r['N19'], r['N20']) for r in dbfread.DBF(sys.argv[1])]
texts = [r['N20D2'].strip().decode() for r in dbfread.DBF(sys.argv[1], raw=True)]
for (a, b), c in zip(values, texts):
    print(a, b, c)
)");
        QList<QStringList> independent;
        for (const QByteArray &line : runPython(script, {m_table}).trimmed().split('\n'))
            independent << QString::fromLatin1(line).split(u' ');
        QCOMPARE(independent, rows);
    }

    void fullDiskNamesTheCause_data()
    {
        QTest::addColumn<bool>("creating");
        QTest::newRow("appending until the disk is full") << false;
        QTest::newRow("creating on a full disk") << true;
    }

    void fullDiskNamesTheCause()
    {
        QFETCH(bool, creating);
        const TestFiles::SmallFileSystem disk;
        if (!disk.mounted())
            QSKIP("Mounting a small file system is not allowed here.");
        const QString path = disk.filePath(QStringLiteral("central.vqn"));
        Result<> failed;
        int posted = 0;
        if (creating) {
            disk.fill(QStringLiteral("filler"));
            failed = DbfTable::create(path, kColumns);
        } else {
            QVERIFY(DbfTable::create(path, kColumns));
            DbfTable table;
            QVERIFY(table.open(path));
            while (posted < 1000 && (failed = appendRow(table, {QString::number(posted + 1), QString(3000, u'm'), "T", "", "", ""})))
                ++posted;
        }
        QVERIFY(!failed);
        QVERIFY2(failed.error().contains(QStringLiteral("No space left on device")), qPrintable(failed.error()));
        if (creating) {
            QCOMPARE(QDir(disk.filePath(QString())).entryList(QDir::Files), QStringList({"filler"}));
            return;
        }
        // What was posted before the disk filled stays readable.
        DbfTable table;
        QVERIFY(table.open(path));
        QCOMPARE(table.recordCount(), posted);
        QVERIFY(posted > 0);
        QVERIFY(*table.moveTo(posted));
        QCOMPARE(table.field(1).asText(), QString(3000, u'm'));
    }
};

QTEST_MAIN(DbfTableTest)
#include "DbfTableTest.moc"
