#pragma once
// Checks that wait for mends of the readers that are on their way: each is
// switched on here once its mend is in the base of this folder.

// A profile value holding CR or LF is written on one line. Until then the
// profile writer target removes CR and LF itself before it writes.
inline constexpr bool kProfileValueOnOneLine = false;

// The plain decimal form gives the whole form of any finite number, with at
// most 15 significant digits. Until then the form is checked only for
// magnitudes that "%.15g" writes without an exponent.
inline constexpr bool kPlainDecimalWhole = false;

// A mapped board set is written from its numbers, whatever its old text
// ("(13-016)"). Until then the field's text is not compared with the mapping.
inline constexpr bool kSchemaFieldFromNumbers = false;

// Every number of a schema's table field is range-checked before it is
// converted to an int. Until then the schema target passes over inputs that
// hold a run of ten digits or more, the numbers that may not fit an int.
inline constexpr bool kSchemaNumbersInRange = false;
