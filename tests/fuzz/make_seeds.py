#!/usr/bin/env python3
"""Writes the fuzzers' seed corpora, and reads press inputs back as key sequences.

    make_seeds.py                 rewrite corpus/press/ and corpus/text/ from the lists below
    make_seeds.py --decode FILE   print the key sequence a press_fuzzer input stands for

A key sequence reads like a row of the engine's tests: typed entries run together (11/05/2000),
other keys by caption ("Dif", "=", "+/-"), mode switches in brackets ([Date]). The byte format is
the one press_fuzzer.cpp decodes: 0xF0 + n switches to mode n (Number, Date, Time); a byte below
0xF0 presses the enabled key at position byte % count, enabled keys in index order.
"""

import argparse
import pathlib
import sys

MODES = ["Number", "Date", "Time"]
FIRST_MODE_BYTE = 0xF0

# Captions per mode and whether the key works in Number mode only, by ButtonIndex; the engine's
# key table, written again here so that a seed means the same keys as a person pressing them.
KEYS = [
    ("Backspace", "Backspace", "Backspace", False),
    ("CE", "CE", "CE", False),
    ("C", "C", "C", False),
    ("7", "7", "7", False),
    ("8", "8", "8", False),
    ("9", "9", "9", False),
    ("/", "/", "/", True),
    ("sqrt", "sqrt", "sqrt", True),
    ("4", "4", "4", False),
    ("5", "5", "5", False),
    ("6", "6", "6", False),
    ("X", "Dif", "Dif", False),
    ("%", "%", "%", True),
    ("1", "1", "1", False),
    ("2", "2", "2", False),
    ("3", "3", "3", False),
    ("-", "Sub", "Sub", False),
    ("1/x", "1/x", "1/x", True),
    ("0", "0", "0", False),
    ("+/-", "+/-", "+/-", False),
    (".", "/", ":", False),
    ("+", "Add", "Add", False),
    ("=", "=", "=", False),
]
TYPED_KEY = 20  # ".", "/" or ":", typed as part of an entry like the digits


def enabled_keys(mode):
    """(index, caption) of the keys a person can press in a mode, in index order."""
    column = MODES.index(mode)
    return [(i, row[column]) for i, row in enumerate(KEYS) if mode == "Number" or not row[3]]


def encode(sequence):
    """Bytes for a key sequence such as '[Date] 11/05/2000 Dif 9/10/2011 ='."""
    mode = "Number"
    out = bytearray()
    for token in sequence.split():
        if token.startswith("[") and token.endswith("]"):
            mode = token[1:-1]
            out.append(FIRST_MODE_BYTE + MODES.index(mode))
            continue
        keys = [caption for _, caption in enabled_keys(mode)]
        # A whole token that is a caption is that key ("/" is division in Number mode only).
        parts = [token] if token in keys else list(token)
        for part in parts:
            if part not in keys:
                sys.exit(f"{part!r} is no enabled key in {mode} mode (in {sequence!r})")
            out.append(keys.index(part))
    return bytes(out)


def decode(data):
    """The key sequence that press_fuzzer plays for an input."""
    mode = "Number"
    tokens = []
    in_run = False
    for byte in data[:4096]:
        if byte >= FIRST_MODE_BYTE:
            mode = MODES[(byte - FIRST_MODE_BYTE) % 3]
            tokens.append(f"[{mode}]")
            in_run = False
            continue
        keys = enabled_keys(mode)
        index, caption = keys[byte % len(keys)]
        typed = caption.isdigit() or index == TYPED_KEY
        if typed and in_run:
            tokens[-1] += caption
        else:
            tokens.append(caption)
        in_run = typed
    return " ".join(tokens)


# The worked examples of each mode, the repaired behaviours, and the edges where results leave
# the range of numbers or dates.
PRESS_SEEDS = {
    "number_start_equals": "=",
    "number_start_point": ". CE 7",
    "number_chained_operators": "1 + 2 + 3 =",
    "number_operator_replaced": "5 + X 2 =",
    "number_percent_chain": "200 + 10 % + 1 =",
    "number_percent": "200 + 10 % =",
    "number_repeat_equals": "2 + 3 = =",
    "number_backspace_second": "5 + 3 Backspace 4 =",
    "number_sqrt_second": "5 + 4 sqrt =",
    "number_clear_all": "5 X 3 C 2 =",
    "number_divide_by_zero": "9 / 0 = 4",
    "number_third": "1 / 3 =",
    "number_change_sign": "5 +/- +/- 123 +/-",
    "number_reciprocal": "4 1/x 0 1/x",
    "number_root": "9 sqrt 4 +/- sqrt",
    "number_second_point": "3..",
    "number_leading_zero": "05",
    "number_backspace_fraction": "0.5 Backspace Backspace",
    "number_exponent_form": "1000000000000000 =",
    "number_small": "0.0001 = 0.00001 =",
    "number_negative_zero": "0 +/- = 0 +/- X 5 =",
    "number_long_cut": "123456789012345678901 =",
    "number_negative_wide": "123456789012345 +/- = 12345678901234.5 +/- =",
    "number_overflow": "9" * 200 + " X =",
    "number_long_entry": "9" * 400 + " + 1 = Backspace",
    "number_repeat_product": "2 X 3 = = = =",
    "date_difference": "[Date] 11/05/2000 Dif 9/10/2011 =",
    "date_difference_reversed": "[Date] 9/10/2011 Dif 11/05/2000 =",
    "date_sub": "[Date] 11/05/2000 Sub 01/00/03 =",
    "date_add_then_sub": "[Date] 11/05/2000 Add 01/00/03 = Sub 1/0/0 =",
    "date_normalised": "[Date] 9/10/2011 Dif",
    "date_wrong_format": "[Date] 31/04/2001 Add 5",
    "date_empty_dif": "[Date] Dif 5",
    "date_equal": "[Date] 11/05/2000 Dif 11/05/2000 =",
    "date_same_month": "[Date] 11/05/2000 Dif 20/05/2011 =",
    "date_same_month_later_day": "[Date] 20/05/2000 Dif 11/05/2011 =",
    "date_month_end": "[Date] 30/01/2001 Add 1/1/0 =",
    "date_month_end_sub": "[Date] 31/03/2001 Sub 0/1/0 =",
    "date_leap_day": "[Date] 29/02/2000 Add 0/0/1 =",
    "date_short_period": "[Date] 11/05/2000 Add 5 =",
    "date_repeat_add": "[Date] 11/05/2000 Add 01/00/03 = =",
    "date_repeat_dif": "[Date] 11/05/2000 Dif 9/10/2011 = =",
    "date_separator_after_operator": "[Date] 11/05/2000 Add /1",
    "date_change_sign": "[Date] 11/05/2000 +/-",
    "date_no_operator": "[Date] 12 = 3",
    "date_clear_all": "[Date] 11/05/2000 Add C 1/0/0 =",
    "date_backspace_second": "[Date] 11/05/2000 Dif 9/10/2011 Backspace 1 =",
    "date_backspace_zero": "[Date] 0/5 Backspace CE /5 Backspace",
    "date_zero_date": "[Date] 31/12/1899 Sub 1/0/0 =",
    "date_first_day": "[Date] 01/01/0100 Sub 1/0/0 =",
    "date_last_day": "[Date] 31/12/9999 Add 1/0/0 =",
    "date_huge_period": "[Date] 1/1/2000 Add 99999999999999999999 =",
    "date_dif_after_dif": "[Date] 11/05/2000 Dif 9/10/2011 = 1/1/2000 =",
    "time_difference": "[Time] 11:05:20 Dif 19:10:23 =",
    "time_difference_reversed": "[Time] 19:10:23 Dif 11:05:20 =",
    "time_sub": "[Time] 11:05:20 Sub 01:00:03 =",
    "time_add_then_sub": "[Time] 11:05:20 Add 01:00:03 = Sub 2:0:0 =",
    "time_normalised": "[Time] 11:5:2 Add 11:05 Add",
    "time_wrong_format": "[Time] 25:00:00 Add 5",
    "time_empty_dif": "[Time] Dif = 5",
    "time_equal": "[Time] 11:05:20 Dif 11:05:20 =",
    "time_same_minute": "[Time] 11:05:20 Dif 19:05:30 =",
    "time_same_minute_later_second": "[Time] 11:05:30 Dif 19:05:20 =",
    "time_marks": "[Time] 11:05:50 Dif 11:06:10 =",
    "time_midnight_add": "[Time] 23:00:00 Add 02:00:00 =",
    "time_midnight_sub": "[Time] 01:00:00 Sub 02:00:00 =",
    "time_midnight_dif": "[Time] 23:59:59 Dif 00:00:01 =",
    "time_short_periods": "[Time] 10:00:00 Add 90 = 10:00:00 Add 1:30 =",
    "time_repeat_add": "[Time] 11:05:20 Add 01:00:03 = =",
    "time_repeat_sub": "[Time] 11:05:20 Sub 01:00:03 = =",
    "time_repeat_dif": "[Time] 11:05:20 Dif 19:10:23 = =",
    "time_separator_after_operator": "[Time] 11:05:20 Add :1",
    "time_clear_all": "[Time] 11:05:20 Add C 01:00:03 =",
    "time_backspace_second": "[Time] 11:05:20 Add 01:00:04 Backspace 3 =",
    "time_backspace_zero": "[Time] 0:30 Backspace",
    "time_huge_period": "[Time] 11:05:20 Sub 99999999999999999999 =",
    "mixed_difference_negated": "[Date] 11/05/2000 Dif 9/10/2011 = [Number] +/- [Date] =",
    "mixed_date_in_time_mode": "[Date] 11/05/2000 [Time] Add 1:0:0 =",
    "mixed_time_in_date_mode": "[Time] 11:05:20 [Date] Add 1/0/0 =",
    "mixed_number_operand": "[Date] 1/1/2000 Add 1 = [Number] 0.55 Backspace [Date] =",
    "mixed_number_pending": "1 + 2 [Date] = [Time] =",
    "mixed_date_pending": "[Date] 1/1/2000 Add [Number] 5 =",
    "mixed_error_carried": "9 / 0 = [Date] Dif [Time] =",
    "mixed_big_number": "99999999 Backspace [Date] = 1 =",
}

TEXT_SEEDS = {
    "date": "11/05/2000",
    "date_short_fields": "9/10/2011",
    "date_and_time": "11/05/2000 11:05:20",
    "date_first": "01/01/0100",
    "date_last": "31/12/9999 23:59:59",
    "date_zero": "30/12/1899",
    "date_leap_day": "29/02/2000",
    "date_no_leap_day": "29/02/2001",
    "date_missing_day": "31/04/2001",
    "time": "11:05:20",
    "time_short_fields": "11:5:2",
    "time_no_seconds": "11:05",
    "time_wrong_hour": "25:00:00",
    "period_date": "01/00/03",
    "period_one_field": "5",
    "period_two_fields": "5/3",
    "period_middle": "/5/",
    "period_four_fields": "1/2/3/4",
    "period_time": "01:00:03",
    "number_exponent": "1E+15",
    "number_small": "0.0001",
    "number_small_exponent": "1.5E-07",
    "number_negative_zero": "-0",
    "number_point": "0.",
    "number_blanks": "  - 12 . 5 D - 3",
    "number_third": "0.666666666666667",
    "number_wide_negative": "-123456789012345",
    "number_long_mantissa": "1.23456789012346E+20",
    "number_denormal": "4.94065645841247E-324",
    "number_largest": "1.79769313486232E+308",
    "number_overflow": "9" * 400,
    "number_long_fraction": "0." + "0" * 330 + "1",
    "number_difference_text": "11 Years: 4 Months: 28 Days",
}


def write_corpus(folder, seeds, to_bytes):
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.iterdir():
        old.unlink()
    for name, seed in seeds.items():
        (folder / name).write_bytes(to_bytes(seed))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--decode", nargs="+", metavar="FILE", help="print the key sequences of press inputs")
    args = parser.parse_args()
    if args.decode:
        for name in args.decode:
            print(f"{name}: {decode(pathlib.Path(name).read_bytes())}")
        return
    here = pathlib.Path(__file__).resolve().parent
    write_corpus(here / "corpus" / "press", PRESS_SEEDS, encode)
    write_corpus(here / "corpus" / "text", TEXT_SEEDS, str.encode)
    # Every seed must say what it was written to say.
    for name, sequence in PRESS_SEEDS.items():
        if decode(encode(sequence)) != " ".join(sequence.split()):
            sys.exit(f"seed {name} does not decode to its sequence: {decode(encode(sequence))!r}")


if __name__ == "__main__":
    main()
