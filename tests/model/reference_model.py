#!/usr/bin/env python3
# A second implementation of the caries risk model, written from the model's
# rules alone (not from the C++ code), in 64-bit floats with every sum and
# product in the order the rules list them, so both give the same bits.
#
#   reference_model.py                 prints kSweepDigest of RiskModelTest.cpp
#       (about a minute); remake it only after a deliberate change of the
#       model, never to make a failing test pass.
#   reference_model.py SCORES AREA GROUP   prints the five percentages with two
#       decimals, e.g. for "2122222111 1 1"; the golden rows were checked so.
#
# The digest is SHA-256 over one line per score set, in the order of
# ScoreSets::ForEach (last factor fastest) within country area 1 to 3, each
# with group 1 to 3: the five percentages in millionths, rounded half to even,
# as decimal integers separated by blanks, ended by "\n".

import hashlib
import itertools
import sys

# Ranges of the ten factors in the order of the main window's rows.
RANGES = [4, 3, 4, 4, 4, 4, 4, 4, 3, 4]

COUNTRY_AREA = {1: 5.0, 2: 10.0, 3: 3.0}
GROUP = {1: 5.0, 2: 10.0, 3: 2.0}


def when(holds, amount):
    return amount if holds else 0.0


def floored(value, floor):
    return floor if value == 0.0 else value


# Everything the selectors do not touch: the four risk values and the chance
# before the adjustment, as (diet, bacteria, susceptibility, circumstances,
# chance base minus net sector total, risk load).
def risk_values(CE, RD, DC, DF, PA, MS, FP, SS, BC, CJ):
    circumstances_base = (CE + RD) / 1.54
    score_sum = DC + DF + PA + MS + FP + SS + BC
    level_two = (when(DC == 2, 5) + when(DF == 2, 6) + when(PA == 2, 5) + when(MS == 2, 7)
                 + when(FP == 2, 5) + when(SS > 0, 3) + when(BC > 0, 3) + when(PA == 1, 2))
    level_three = (when(DC == 3, 8) + when(DF == 3, 10) + when(PA == 3, 8) + when(MS == 3, 12)
                   + when(FP == 3, 30) + when(SS == 2, 3) + when(BC == 2, 3))
    pairs = (when(DC + DF == 6, 10) + when(DC + DF == 5, 5) + when(PA + MS == 6, 10)
             + when(PA + MS == 5, 5) + when(SS + BC == 4, 5) + when(SS + BC == 5, 10))
    combinations = (when(DC + DF + PA > 7, 10) + when(DC + DF + MS > 6, 17) - when(DC == 0, 10)
                    + when(DC + DF + PA + MS + FP > 9, 14))
    interaction = 1.0 if pairs + combinations < 8 else pairs + combinations
    fluoride_credit = (when(FP == 0, (level_two + level_three + score_sum + 1.73) * 0.51)
                       + when(FP == 1, 0.67 * score_sum))
    d4 = DC + DF + PA + MS
    weighted = when(d4 < 7, 1.63 * score_sum) + when(d4 > 6, 1.0 * score_sum)
    saliva_surcharge = when(SS == 3, weighted)
    fluoride_surcharge = when(FP == 3, 1.04 * DC + DF + PA + MS + FP + SS)
    diet = floored(DC + DF, 0.3)
    bacteria = floored(PA + MS, 0.5)
    susceptibility = floored(FP + SS + BC + saliva_surcharge + fluoride_surcharge, 1.0)
    circumstances = floored(circumstances_base, 0.5)
    net_total = diet + bacteria + susceptibility + circumstances - fluoride_credit
    chance_base = 20.0 + weighted + fluoride_surcharge
    load = floored(level_two + level_three + interaction, 1.0)
    return diet, bacteria, susceptibility, circumstances, chance_base - net_total, load


def shares(scores, values, adjustment):
    CE, CJ = scores[0], scores[9]
    diet, bacteria, susceptibility, circumstances, margin, load = values
    raw = margin * (adjustment / load)
    judged = (when(CJ == 0, 2.37 * raw) + when(CJ == 1, 1.0 * raw) + when(CJ == 2, 0.29 * raw)
              + when(CE == 0, 1.75 * raw))
    chance = 0.1 if CJ == 3 else judged
    total = chance + diet + bacteria + susceptibility + circumstances
    return [100 * v / total for v in (chance, diet, bacteria, susceptibility, circumstances)]


def adjustment(country, group):
    # A code outside 1 to 3 contributes nothing.
    return COUNTRY_AREA.get(country, 0.0) + GROUP.get(group, 0.0)


def digest():
    sets = [tuple(float(v) for v in s) for s in itertools.product(*(range(n) for n in RANGES))]
    values = [risk_values(*s) for s in sets]
    sha = hashlib.sha256()
    for country, group in itertools.product((1, 2, 3), repeat=2):
        for s, v in zip(sets, values):
            micro = (round(p * 1e6) for p in shares(s, v, adjustment(country, group)))
            sha.update(b"%d %d %d %d %d\n" % tuple(micro))
    return sha.hexdigest()


if __name__ == "__main__":
    if len(sys.argv) == 4:
        scores = tuple(float(c) for c in sys.argv[1])
        figures = shares(scores, risk_values(*scores), adjustment(*map(int, sys.argv[2:])))
        print(" ".join("%.2f" % p for p in figures))
    else:
        print(digest())
