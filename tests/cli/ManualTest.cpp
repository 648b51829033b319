#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// velmora-cli(1) kept true to the program: every command and option that --help lists has its
// place in the manual, so a new one cannot ship undocumented.
namespace {
QString help(const QStringList& words) {
    QProcess p;
    p.start(QStringLiteral(VELMORA_CLI), words);
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << words.join(u' ').toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The manual as a reader sees it: troff's escapes and quotes gone ("\-\-json" is "--json",
// "\fBtag\fR" is "tag"), each request line without its macro, runs of blanks as one.
QString manualSection(const QString& name) {
    QFile file(QStringLiteral(VELMORA_MANUAL));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.replace(u"\\-"_s, u"-"_s).replace(QRegularExpression(u"\\\\f[BIRP]"_s), {});
    text.replace(QRegularExpression(u"^\\.(B|I|BR|RB|IR|RI|BI|IB|TP|PP|SS)\\b ?"_s,
                                    QRegularExpression::MultilineOption),
                 {});
    text.remove(u'"');
    text.replace(QRegularExpression(u"[ \\t]+"_s), u" "_s);
    const qsizetype from = text.indexOf(u".SH "_s + name + u'\n');
    if (from < 0)
        return {};
    const qsizetype to = text.indexOf(u"\n.SH "_s, from + 1);
    return text.mid(from, to < 0 ? -1 : to - from) + u'\n';
}
} // namespace

TEST(Manual, DescribesEveryCommandAndOptionThatHelpLists) {
    const QString commandsPart = manualSection(u"COMMANDS"_s);
    const QString optionsPart = manualSection(u"OPTIONS"_s);
    ASSERT_FALSE(commandsPart.isEmpty() || optionsPart.isEmpty()) << VELMORA_MANUAL;

    // The commands are the first words of the lines under "Commands:" in the general help.
    const QString general = help({u"--help"_s});
    const qsizetype listFrom = general.indexOf(u"Commands:\n"_s);
    ASSERT_GE(listFrom, 0) << general.toStdString();
    QStringList commands;
    for (const QString& line : general.mid(listFrom).split(u'\n').mid(1)) {
        if (line.trimmed().isEmpty())
            break;
        const QString word = line.trimmed().section(u' ', 0, 0);
        if (!commands.contains(word))
            commands << word;
    }
    ASSERT_GE(commands.size(), 3) << general.toStdString();

    // Each command's help adds its subcommands ("velmora-cli playlist show") and options.
    QList<std::pair<QString, QString>> helps{{u"velmora-cli --help"_s, general}};
    QStringList documented;
    for (const QString& command : commands) {
        const QString text = help({command, u"--help"_s});
        helps.append({u"velmora-cli "_s + command + u" --help"_s, text});
        const QRegularExpression sub(u"velmora-cli "_s + command + u" ([a-z]+)"_s);
        QStringList forms;
        for (const QRegularExpressionMatch& m : sub.globalMatch(text))
            if (!forms.contains(command + u' ' + m.captured(1)))
                forms << command + u' ' + m.captured(1);
        for (const QString& form : forms.isEmpty() ? QStringList{command} : forms) {
            const QRegularExpression entry(u"\\n"_s + QRegularExpression::escape(form) +
                                           u"( |\\n)"_s);
            EXPECT_TRUE(entry.match(commandsPart).hasMatch())
                << "velmora-cli(1) has no entry under COMMANDS for the command '"
                << form.toStdString() << "' that 'velmora-cli " << command.toStdString()
                << " --help' lists";
        }
    }

    QStringList checked;
    const QRegularExpression option(u"(?<![\\w-])(--?[a-z][a-z-]*)"_s);
    for (const auto& [where, text] : helps)
        for (const QRegularExpressionMatch& m : option.globalMatch(text)) {
            const QString name = m.captured(1);
            if (checked.contains(name))
                continue;
            checked << name;
            const QRegularExpression entry(u"(?<![\\w-])"_s + name + u"(?![\\w-])"_s);
            EXPECT_TRUE(entry.match(optionsPart).hasMatch())
                << "velmora-cli(1) does not describe the option " << name.toStdString()
                << " under OPTIONS, which '" << where.toStdString() << "' lists";
        }
}
