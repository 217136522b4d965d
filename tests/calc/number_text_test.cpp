#include "number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string_view>

#include "expect_failure.h"
#include "number_formats.h"

namespace zentavo {
namespace {

using testing_support::ExpectFailure;
using testing_support::kComma;
using testing_support::kDot;
using testing_support::kFrench;

// A number, and how it is written with a decimal point and with a decimal comma.
struct DoubleToTextRow {
  double x;
  std::string_view dot, comma;
};
void PrintTo(const DoubleToTextRow& row, std::ostream* out) {
  *out << row.dot;
}

class DoubleToTextTest : public testing::TestWithParam<DoubleToTextRow> {};

TEST_P(DoubleToTextTest, WritesFifteenSignificantDigitsInTheLocale) {
  EXPECT_EQ(DoubleToText(GetParam().x, kDot), GetParam().dot);
  EXPECT_EQ(DoubleToText(GetParam().x, kComma), GetParam().comma);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DoubleToTextTest,
    testing::Values(DoubleToTextRow{0, "0", "0"}, DoubleToTextRow{-0.0, "0", "0"},
                    DoubleToTextRow{12, "12", "12"}, DoubleToTextRow{-2.5, "-2.5", "-2,5"},
                    DoubleToTextRow{0.1 + 0.2, "0.3", "0,3"},
                    DoubleToTextRow{1.0 / 3, "0.333333333333333", "0,333333333333333"},
                    DoubleToTextRow{0.0001, "0.0001", "0,0001"},
                    DoubleToTextRow{0.00001, "1E-05", "1E-05"},
                    DoubleToTextRow{0.000012345, "1.2345E-05", "1,2345E-05"},
                    DoubleToTextRow{123456789012345, "123456789012345", "123456789012345"},
                    DoubleToTextRow{1e14, "100000000000000", "100000000000000"},
                    DoubleToTextRow{1e15, "1E+15", "1E+15"},
                    DoubleToTextRow{999999999999999.9, "1E+15", "1E+15"},
                    DoubleToTextRow{1.5e20, "1.5E+20", "1,5E+20"},
                    DoubleToTextRow{-1e100, "-1E+100", "-1E+100"},
                    DoubleToTextRow{5e-324, "4.94065645841247E-324", "4,94065645841247E-324"},
                    DoubleToTextRow{2.000001, "2.000001", "2,000001"},
                    DoubleToTextRow{0.004000004000001, "0.004000004000001", "0,004000004000001"},
                    DoubleToTextRow{1234.5, "1234.5", "1234,5"}));

TEST(DoubleToText, InfinityAndNaNAreOverflows) {
  for (double x : {std::numeric_limits<double>::infinity(), std::nan("")}) {
    SCOPED_TRACE(x);
    ExpectFailure(FailureKind::Overflow, [x] { DoubleToText(x, kDot); });
  }
}

struct ReadRow {
  const char* text;
  NumberFormat format;
  double value;
};
void PrintTo(const ReadRow& row, std::ostream* out) {
  *out << '"' << row.text << '"';
}

class TextToDoubleTest : public testing::TestWithParam<ReadRow> {};

TEST_P(TextToDoubleTest, ReadsTheLocaleSyntax) {
  EXPECT_EQ(TextToDouble(GetParam().text, GetParam().format), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextToDoubleTest,
    testing::Values(ReadRow{"1.5", kDot, 1.5}, ReadRow{"  12 ", kDot, 12}, ReadRow{"+3", kDot, 3},
                    ReadRow{"-3", kDot, -3}, ReadRow{"1,234.5", kDot, 1234.5},
                    ReadRow{"1e3", kDot, 1000}, ReadRow{"1E-05", kDot, 1e-5},
                    ReadRow{".5", kDot, 0.5}, ReadRow{"5.", kDot, 5}, ReadRow{"1,5", kComma, 1.5},
                    ReadRow{"1.5", kComma, 15}, ReadRow{"1,5", kDot, 15},
                    ReadRow{"1,5E+20", kComma, 1.5e20}, ReadRow{"1\u202f234,5", kFrench, 1234.5},
                    ReadRow{"0,333333333333333", kComma, 0.333333333333333},
                    ReadRow{"1e-320", kDot, 1e-320}, ReadRow{"1e-400", kDot, 0},
                    ReadRow{"-0", kDot, -0.0}, ReadRow{"000123", kDot, 123}));

struct FailRow {
  const char* text;
  NumberFormat format;
  FailureKind kind;
};
void PrintTo(const FailRow& row, std::ostream* out) {
  *out << '"' << row.text << '"';
}

class TextToDoubleFailureTest : public testing::TestWithParam<FailRow> {};

TEST_P(TextToDoubleFailureTest, FailsWithItsKind) {
  ExpectFailure(GetParam().kind, [] { TextToDouble(GetParam().text, GetParam().format); });
}

INSTANTIATE_TEST_SUITE_P(Rows, TextToDoubleFailureTest,
                         testing::Values(FailRow{"", kDot, FailureKind::TypeMismatch},
                                         FailRow{"   ", kDot, FailureKind::TypeMismatch},
                                         FailRow{"-", kDot, FailureKind::TypeMismatch},
                                         FailRow{"abc", kDot, FailureKind::TypeMismatch},
                                         FailRow{"12kOhm", kDot, FailureKind::TypeMismatch},
                                         FailRow{"1e", kDot, FailureKind::TypeMismatch},
                                         FailRow{",5", kDot, FailureKind::TypeMismatch},
                                         FailRow{"1..5", kDot, FailureKind::TypeMismatch},
                                         FailRow{"inf", kDot, FailureKind::TypeMismatch},
                                         FailRow{"nan", kDot, FailureKind::TypeMismatch},
                                         FailRow{"0x10", kDot, FailureKind::TypeMismatch},
                                         FailRow{"1e400", kDot, FailureKind::Overflow},
                                         FailRow{"-1e400", kDot, FailureKind::Overflow},
                                         FailRow{"1.79769313486232E+308", kDot,
                                                 FailureKind::Overflow}));

TEST(TextToByte, RoundsHalfToEvenWithinAByte) {
  EXPECT_EQ(TextToByte("3", kDot), 3);
  EXPECT_EQ(TextToByte("2.5", kDot), 2);
  EXPECT_EQ(TextToByte("3,5", kComma), 4);
  EXPECT_EQ(TextToByte("255", kDot), 255);
  EXPECT_EQ(TextToByte("-0.4", kDot), 0);
}

TEST(TextToByte, FailsOutsideAByteAndForText) {
  for (const char* text : {"300", "255.5", "-1"}) {
    SCOPED_TRACE(text);
    ExpectFailure(FailureKind::Overflow, [text] { TextToByte(text, kDot); });
  }
  ExpectFailure(FailureKind::TypeMismatch, [] { TextToByte("", kDot); });
}

struct RoundRow {
  double x;
  int places;
  double rounded;
};
void PrintTo(const RoundRow& row, std::ostream* out) {
  char x[32];
  const auto written = std::to_chars(x, x + sizeof x, row.x);
  *out << std::string_view(x, static_cast<std::size_t>(written.ptr - x)) << " to " << row.places
       << " places";
}

class RoundHalfEvenTest : public testing::TestWithParam<RoundRow> {};

TEST_P(RoundHalfEvenTest, RoundsTheExactBinaryValue) {
  EXPECT_EQ(RoundHalfEven(GetParam().x, GetParam().places), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Rows, RoundHalfEvenTest,
                         testing::Values(RoundRow{2.5, 0, 2}, RoundRow{3.5, 0, 4},
                                         RoundRow{-2.5, 0, -2}, RoundRow{0.125, 2, 0.12},
                                         RoundRow{0.375, 2, 0.38},
                                         // 0.0005 is stored a little above the tie, 1.0005 below
                                         RoundRow{0.0005, 3, 0.001}, RoundRow{1.0005, 3, 1},
                                         RoundRow{2.675, 3, 2.675}, RoundRow{666.6666, 3, 666.667},
                                         RoundRow{0.0002, 3, 0}, RoundRow{1e300, 3, 1e300},
                                         RoundRow{-0.0004, 3, 0}));

struct InputRow {
  const char* text;
  NumberFormat format;
  std::optional<double> value;
};
void PrintTo(const InputRow& row, std::ostream* out) {
  *out << '"' << row.text << '"';
}

class ReadInputNumberTest : public testing::TestWithParam<InputRow> {};

TEST_P(ReadInputNumberTest, AcceptsOnlyPlainNumbers) {
  EXPECT_EQ(ReadInputNumber(GetParam().text, GetParam().format), GetParam().value)
      << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadInputNumberTest,
    testing::Values(
        InputRow{"5", kDot, 5}, InputRow{" -12.5 ", kDot, -12.5}, InputRow{"+5", kDot, 5},
        InputRow{"\t7\t", kDot, 7}, InputRow{".5", kDot, 0.5}, InputRow{"5.", kDot, 5},
        InputRow{"1e3", kDot, 1000}, InputRow{"1E+05", kDot, 100000}, InputRow{"1,5", kComma, 1.5},
        InputRow{"1.5", kComma, 1.5}, InputRow{"1,5", kFrench, 1.5}, InputRow{"1e308", kDot, 1e308},
        InputRow{"1e-320", kDot, 1e-320}, InputRow{"1e-400", kDot, 0}, InputRow{"-0", kDot, -0.0},
        InputRow{"00000000000000000000000000000000000000000000000001", kDot, 1},
        InputRow{"1,5", kDot, std::nullopt}, InputRow{"10,000", kDot, std::nullopt},
        InputRow{"1.000,5", kComma, std::nullopt}, InputRow{"1\u202f000", kFrench, std::nullopt},
        InputRow{"", kDot, std::nullopt}, InputRow{"  ", kDot, std::nullopt},
        InputRow{"-", kDot, std::nullopt}, InputRow{".", kDot, std::nullopt},
        InputRow{"--5", kDot, std::nullopt}, InputRow{"5-", kDot, std::nullopt},
        InputRow{"- 5", kDot, std::nullopt}, InputRow{"1e", kDot, std::nullopt},
        InputRow{"1e+", kDot, std::nullopt}, InputRow{"1.2.3", kDot, std::nullopt},
        InputRow{"1,5", kComma, 1.5}, InputRow{"1.5,", kComma, std::nullopt},
        InputRow{"1e309", kDot, std::nullopt}, InputRow{"inf", kDot, std::nullopt},
        InputRow{"nan", kDot, std::nullopt}, InputRow{"0x1A", kDot, std::nullopt},
        InputRow{"&H10", kDot, std::nullopt}, InputRow{"12kOhm", kDot, std::nullopt},
        InputRow{"\u0663", kDot, std::nullopt}, InputRow{"\uff11", kDot, std::nullopt},
        InputRow{"1 2", kDot, std::nullopt}, InputRow{"\xff\xfe", kDot, std::nullopt},
        InputRow{"1e99999999999999999999999", kDot, std::nullopt},
        InputRow{"1e-99999999999999999999999", kDot, 0}));

struct FieldRow {
  const char* text;
  NumberFormat format;
  FieldReading::Kind kind;
  double value;
};
void PrintTo(const FieldRow& row, std::ostream* out) {
  *out << '"' << row.text << "\" in " << row.format.decimalSeparator;
}

class ReadValueFieldTest : public testing::TestWithParam<FieldRow> {};

TEST_P(ReadValueFieldTest, TellsANumberFromTheBeginningOfOne) {
  const FieldRow& row = GetParam();
  const FieldReading reading = ReadValueField(row.text, row.format);
  EXPECT_EQ(reading.kind, row.kind);
  EXPECT_EQ(reading.value, row.value);
  EXPECT_EQ(std::signbit(reading.value), std::signbit(row.value));
}

using Kind = FieldReading::Kind;
INSTANTIATE_TEST_SUITE_P(
    Rows, ReadValueFieldTest,
    testing::Values(
        FieldRow{"1e5", kDot, Kind::Number, 1e5}, FieldRow{"1e", kDot, Kind::Beginning, 1},
        FieldRow{"1e-", kDot, Kind::Beginning, 1}, FieldRow{"3e+", kDot, Kind::Beginning, 3},
        FieldRow{"-1E", kDot, Kind::Beginning, -1}, FieldRow{"2,5E-", kComma, Kind::Beginning, 2.5},
        FieldRow{"2.5E-", kComma, Kind::Beginning, 2.5}, FieldRow{"1.e", kDot, Kind::Beginning, 1},
        FieldRow{" 7e", kDot, Kind::Beginning, 7}, FieldRow{".", kDot, Kind::Beginning, 0},
        FieldRow{"-.", kDot, Kind::Beginning, -0.0}, FieldRow{"+.", kDot, Kind::Beginning, 0},
        FieldRow{",", kComma, Kind::Beginning, 0}, FieldRow{".", kComma, Kind::Beginning, 0},
        FieldRow{",", kFrench, Kind::Beginning, 0}, FieldRow{",", kDot, Kind::NotANumber, 0},
        FieldRow{"2,5E-", kDot, Kind::NotANumber, 0}, FieldRow{"1e ", kDot, Kind::NotANumber, 0},
        FieldRow{". ", kDot, Kind::NotANumber, 0}, FieldRow{".e", kDot, Kind::NotANumber, 0},
        FieldRow{"e", kDot, Kind::NotANumber, 0}, FieldRow{"-", kDot, Kind::NotANumber, 0},
        FieldRow{"", kDot, Kind::NotANumber, 0}, FieldRow{"1e5x", kDot, Kind::NotANumber, 0},
        FieldRow{"1ee", kDot, Kind::NotANumber, 0}, FieldRow{"1e+-", kDot, Kind::NotANumber, 0},
        FieldRow{"..", kDot, Kind::NotANumber, 0}, FieldRow{"1e999", kDot, Kind::NotANumber, 0},
        FieldRow{"1e400e", kDot, Kind::NotANumber, 0}));

// The unit lists of the window's value fields.
const UnitSpelling kResistorUnits({"Ohm", "kOhm", "MOhm"});
const UnitSpelling kCurrentUnits({"uA", "mA", "A"});

struct TypedRow {
  const char* text;
  const UnitSpelling* units;
  NumberFormat format;
  const char* number;  // null: refused
  std::optional<int> unit = std::nullopt;
  bool pointMayFollow = false;
  std::size_t caret = 0;  // bytes before the caret; 0: at the end of the number
};
void PrintTo(const TypedRow& row, std::ostream* out) {
  *out << '"' << row.text << "\" in " << row.format.decimalSeparator;
}

class ReadTypedValueTest : public testing::TestWithParam<TypedRow> {};

TEST_P(ReadTypedValueTest, KeepsTheNumberAndNamesItsUnit) {
  const TypedRow& row = GetParam();
  const std::optional<TypedValue> typed = ReadTypedValue(row.text, *row.units, row.format);
  if (row.number == nullptr) {
    EXPECT_FALSE(typed.has_value()) << typed->number;
    return;
  }
  ASSERT_TRUE(typed.has_value());
  EXPECT_EQ(typed->number, row.number);
  EXPECT_EQ(typed->unit, row.unit);
  EXPECT_EQ(typed->pointMayFollow, row.pointMayFollow);
  EXPECT_EQ(typed->caret, row.caret == 0 ? typed->number.size() : row.caret);
}

const UnitSpelling* const R = &kResistorUnits;
const UnitSpelling* const I = &kCurrentUnits;
INSTANTIATE_TEST_SUITE_P(
    Rows, ReadTypedValueTest,
    testing::Values(
        // Numbers and their beginnings are kept as typed.
        TypedRow{"4.7", R, kDot, "4.7"}, TypedRow{"1e", R, kDot, "1e"},
        TypedRow{" 5 ", I, kDot, " 5 "}, TypedRow{"1e-5", I, kDot, "1e-5"},
        // A number and its unit.
        TypedRow{"4.7k", R, kDot, "4.7", 1}, TypedRow{"47k", R, kDot, "47", 1, true},
        TypedRow{"100K", R, kDot, "100", 1, true}, TypedRow{"4.7 kOhm", R, kDot, "4.7", 1},
        TypedRow{"4,7k\u03a9", R, kComma, "4,7", 1}, TypedRow{"4,7 k\u2126 ", R, kComma, "4,7", 1},
        TypedRow{"4.7 KOHM", R, kDot, "4.7", 1}, TypedRow{"2.2M", R, kDot, "2.2", 2},
        TypedRow{"470 Ohm", R, kDot, "470", 0}, TypedRow{"470\u03a9", R, kDot, "470", 0},
        TypedRow{"470 O", R, kDot, "470", 0}, TypedRow{"47R", R, kDot, "47", 0, true},
        TypedRow{"1e3k", R, kDot, "1e3", 1}, TypedRow{"-5k", R, kDot, "-5", 1, true},
        TypedRow{"12mA", I, kDot, "12", 1}, TypedRow{"12 m", I, kDot, "12", 1, true},
        TypedRow{"500uA", I, kDot, "500", 0}, TypedRow{"500\u00b5A", I, kDot, "500", 0},
        TypedRow{"500\u03bc", I, kDot, "500", 0, true}, TypedRow{"2 a", I, kDot, "2", 2},
        TypedRow{"1,5 A", I, kComma, "1,5", 2},
        // The letter where the decimal point is, in the locale's separator.
        TypedRow{"4k7", R, kDot, "4.7", 1, false, 2},
        TypedRow{"4k7", R, kComma, "4,7", 1, false, 2},
        TypedRow{"2M2", R, kDot, "2.2", 2, false, 2}, TypedRow{"R47", R, kDot, "0.47", 0, false, 2},
        TypedRow{"4R7", R, kDot, "4.7", 0, false, 2}, TypedRow{"1m5", I, kDot, "1.5", 1, false, 2},
        TypedRow{"4k7", R, kFrench, "4,7", 1, false, 2}, TypedRow{"R", R, kDot, "0", 0, true},
        TypedRow{"-R47", R, kDot, "-0.47", 0, false, 3},
        // Refused: letters of no entry, a letter with no number, anything else.
        TypedRow{"k", R, kDot, nullptr}, TypedRow{"-k", R, kDot, nullptr},
        TypedRow{"k47", R, kDot, nullptr}, TypedRow{"4m", R, kDot, nullptr},
        TypedRow{"4G", R, kDot, nullptr}, TypedRow{"4k", I, kDot, nullptr},
        TypedRow{"12MA", I, kDot, nullptr}, TypedRow{"A5", I, kDot, nullptr},
        TypedRow{"1,5", R, kDot, nullptr}, TypedRow{"4,7 kOhm", R, kDot, nullptr},
        TypedRow{"abc", I, kDot, nullptr}, TypedRow{"abc", R, kDot, nullptr},
        TypedRow{"4.7kk", R, kDot, nullptr}, TypedRow{"4.7k7", R, kDot, nullptr},
        TypedRow{"4k7k", R, kDot, nullptr}, TypedRow{"1ek", R, kDot, nullptr},
        TypedRow{".k", R, kDot, nullptr}, TypedRow{"4 k7", R, kDot, nullptr},
        TypedRow{"4.7 k Ohm", R, kDot, nullptr}, TypedRow{"4.7kOhms", R, kDot, nullptr},
        TypedRow{"4\u043a7", R, kDot, nullptr}, TypedRow{"4\uff4b", R, kDot, nullptr},
        TypedRow{"4.7k\u200f", R, kDot, nullptr}, TypedRow{"4k\u03017", R, kDot, nullptr},
        TypedRow{"4.7\x01k", R, kDot, nullptr}, TypedRow{"mA", I, kDot, nullptr},
        TypedRow{"1e999k", R, kDot, nullptr}, TypedRow{"9e999k9", R, kDot, nullptr}));

}  // namespace
}  // namespace zentavo
