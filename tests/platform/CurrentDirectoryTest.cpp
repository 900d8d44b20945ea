#include "CurrentDirectory.h"
#include "QtPrinting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

fs::path nativePath(const QString& name)
{
    return fs::path(QFile::encodeName(name).toStdString());
}

// Walks down into a chain of new directories one step at a time (relative
// steps work past PATH_MAX, where whole paths are refused) and back out,
// removing them, before the temporary directory is cleaned up.
class NestedDirectories {
public:
    explicit NestedDirectories(const QStringList& names)
        : names_(names)
    {
        for (const QString& name : names_) {
            fs::create_directory(nativePath(name));
            fs::current_path(nativePath(name));
        }
    }
    ~NestedDirectories()
    {
        for (auto name = names_.crbegin(); name != names_.crend(); ++name) {
            fs::current_path("..");
            fs::remove(nativePath(*name));
        }
    }

private:
    QStringList names_;
};

struct DirectoryCase {
    const char* label;
    QStringList names;
    friend void PrintTo(const DirectoryCase& row, std::ostream* out) { *out << row.label; }
};

class CurrentDirectoryPath : public ::testing::TestWithParam<DirectoryCase> {
};

TEST_P(CurrentDirectoryPath, IsWholeWithOneSeparatorAppended)
{
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(temporary.path()));
    const QString base = QDir::currentPath();
    {
        NestedDirectories nested(GetParam().names);
        const QString expected = base + '/' + GetParam().names.join('/') + '/';
        EXPECT_EQ(CurrentDirectoryWithSeparator(), expected);
    }
    QDir::setCurrent(previous);
}

QStringList longChain(int levels)
{
    QStringList names;
    for (int level = 0; level < levels; ++level)
        names << QStringLiteral("level%1_").arg(level, 2, 10, QLatin1Char('0')) + QString(90, 'd');
    return names;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, CurrentDirectoryPath,
    ::testing::Values(DirectoryCase{"japanese", {QStringLiteral("さんすう")}},
                      DirectoryCase{"japanese_nested",
                                    {QStringLiteral("さんすう"), QStringLiteral("ひっさん 1")}},
                      DirectoryCase{"over_300_chars", longChain(4)},
                      DirectoryCase{"over_path_max", longChain(48)}));

TEST(CurrentDirectoryRoot, GetsItsSeparatorAppendedToo)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent("/"));
    const QString atRoot = CurrentDirectoryWithSeparator();
    QDir::setCurrent(previous);
    EXPECT_EQ(atRoot, "//");
}

} // namespace
