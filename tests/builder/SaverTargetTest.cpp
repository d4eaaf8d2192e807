#include "builder/SaverTarget.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

TEST(SaverTargetTest, NamesAreTakenInAnyCaseAndNothingElse)
{
    EXPECT_EQ(SaverTargets::fromName("windows"), SaverTarget::Windows);
    EXPECT_EQ(SaverTargets::fromName("Linux"), SaverTarget::Linux);
    EXPECT_EQ(SaverTargets::fromName("WINDOWS"), SaverTarget::Windows);
    EXPECT_EQ(SaverTargets::fromName("win"), std::nullopt);
    EXPECT_EQ(SaverTargets::fromName(""), std::nullopt);
    EXPECT_EQ(SaverTargets::fromName("linux "), std::nullopt);
}

TEST(SaverTargetTest, EveryTargetHasATemplateOfItsOwnAndLinuxKeepsProjectKrt)
{
    QSet<QString> names;
    for (const SaverTargets::Entry& each : SaverTargets::kAll) {
        names.insert(SaverTargets::templateName(each.target));
        EXPECT_EQ(SaverTargets::fromName(each.name), each.target);
    }
    EXPECT_EQ(names.size(), qsizetype(SaverTargets::kAll.size()));
    EXPECT_EQ(SaverTargets::templateName(SaverTarget::Linux), "Project.krt");
    EXPECT_EQ(SaverTargets::host(), SaverTarget::Linux);
}

TEST(SaverTargetTest, AProgramSaysWhichSystemItIsFor)
{
    EXPECT_EQ(SaverTargets::ofProgram(QByteArrayView("\x7f"
                                                     "ELF\x02\x01",
                                                     6)),
              SaverTarget::Linux);
    EXPECT_EQ(SaverTargets::ofProgram("MZ\x90"), SaverTarget::Windows);
    EXPECT_EQ(SaverTargets::ofProgram("M"), std::nullopt);
    EXPECT_EQ(SaverTargets::ofProgram(""), std::nullopt);
    EXPECT_EQ(SaverTargets::ofProgram("#!/bin/sh"), std::nullopt);
}

}  // namespace
