// Where the engine is looked for: beside the program, then the absolute folders of the search
// path; never the current directory, which is the hop's folder and may come from anyone.

#include "engine_launch.h"

#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>

#include "temp_dir.h"

namespace vakrel {
namespace {

void PutEngine(const test::TempDir& dir) {
    dir.write(kEngineProgram, "#!/bin/sh\n");
    std::filesystem::permissions(dir.file(kEngineProgram), std::filesystem::perms::owner_all);
}

TEST(FindEngine, BesideTheProgramThenTheSearchPathNeverTheCurrentDirectory) {
    test::TempDir own, empty, onPath, current;
    PutEngine(own);
    PutEngine(onPath);
    PutEngine(current);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(current.path()));
    auto q = [](const std::string& text) { return QString::fromStdString(text); };
    const QString relative = QStringLiteral("..") + '/' + q(std::filesystem::path(current.path()).filename().string());
    struct Row {
        QString ownFolder, searchPath, found;
    };
    const Row rows[] = {
        {q(own.path()), q(onPath.path()), q(own.file(kEngineProgram))},
        {q(empty.path()), q(empty.path() + ":" + onPath.path()), q(onPath.file(kEngineProgram))},
        {q(empty.path()), QStringLiteral(".::") + relative + ":" + q(onPath.path()), q(onPath.file(kEngineProgram))},
        {q(empty.path()), QStringLiteral(".::") + relative, QString()},
        {QString(), QString(), QString()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.searchPath.toStdString());
        EXPECT_EQ(FindEngineIn(row.ownFolder, row.searchPath), row.found);
    }
    QDir::setCurrent(previous);
}

}  // namespace
}  // namespace vakrel
