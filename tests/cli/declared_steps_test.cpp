// Steps made from declarations: each argument's form decides alone which words it
// takes, and loose arguments keep their places among a block's fields.
#include "cli/declared_steps.h"

#include <gtest/gtest.h>

#include "compositing/tag_insert_inputs.h"
#include "compositing/tag_insert_params.h"
#include "params/declarations.h"

namespace {

using F = ArgumentForm;

TEST(DeclaredSteps, EachFormRefusesItsOwnBadWords) {
    const Step step = declaredStep({"try",
                                    "help",
                                    "what to type",
                                    {{"N", 0, F::Number, {}, 1, 16},
                                     {"BIG", 1, F::Number64},
                                     {"W", 2},
                                     {"FILE", 3, F::FileName},
                                     {"RGB", 4, F::Rgb},
                                     {"K", 5, F::Choice, {"one", "two"}},
                                     {"T", 6, F::NumberText}}},
                                   nullptr);
    EXPECT_EQ(step.usage, "try N BIG W FILE RGB K T");
    EXPECT_EQ(step.arity, 7);
    const std::vector<std::string> good{"16",  "-9223372036854775808", "-", "d/a.png", "00fF00",
                                        "two", "+0099999999999"};
    EXPECT_EQ(step.check(good).index, -1);
    const struct {
        int position;
        const char* word;
    } bad[] = {{0, "0"},    {0, "17"},    {0, "x"},   {1, "9223372036854775808"},
               {2, ""},     {3, "a"},     {3, "a."},  {3, "b.d/a"},
               {4, "none"}, {4, "12345"}, {5, "One"}, {5, ""},
               {6, "+"},    {6, "1.5"},   {6, " 1"}};
    for (const auto& b : bad) {
        std::vector<std::string> args = good;
        args[size_t(b.position)] = b.word;
        const BadArgument found = step.check(args);
        EXPECT_EQ(found.index, b.position) << b.word;
        EXPECT_EQ(found.note, "what to type") << b.word;
    }
}

TEST(DeclaredSteps, LooseArgumentsStandBetweenTheFieldsTheyDoNotTouch) {
    const Step step = declaredStep(tagInsertDeclaration(), 0, nullptr);
    EXPECT_EQ(step.usage, "insert-tag FILE X Y ANGLE ANTIALIAS MIX");
    const std::vector<std::string> args{"/tags/a.png", "-5", "7", "-450", "1", "250"};
    EXPECT_EQ(step.check(args).index, -1);
    std::vector<std::string> badY = args;
    badY[2] = "9x";
    EXPECT_EQ(step.check(badY).index, 2);

    TagInsertParams p;
    storeArguments(tagInsertDeclaration(), 0, args, &p);
    EXPECT_EQ(insertFileOf(p), "/tags/a.png");
    EXPECT_EQ(p.insertAngle, insertAngleFromText("-450"));
    EXPECT_EQ(p.insertAntiAlias, 1);
    EXPECT_EQ(p.insertLevel, insertLevelFromMixText("250"));
}

}  // namespace
