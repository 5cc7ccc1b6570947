# Rulebook data of character making, birth, background, impurity and fairy tables.
zr2_tsv_table(characters births.tsv characters_births.inc s s s s s n n n n s)
zr2_tsv_table(characters births_other.tsv characters_births_other.inc s s s s s n n n n s)
zr2_tsv_table(characters backgrounds.tsv characters_backgrounds.inc i i s)
zr2_tsv_table(characters general_skills.tsv characters_general_skills.inc i i s)
zr2_tsv_table(characters impurity.tsv characters_impurity.inc i s)
zr2_tsv_table(characters fairy.tsv characters_fairy.inc s i i s)
