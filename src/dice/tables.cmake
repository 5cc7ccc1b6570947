# Rate, then the values for the roll totals 3..12.
zr2_tsv_table(dice power_table.tsv power_table.inc i i i i i i i i i i i)
