zr2_tsv_table(commands detatoko_badend.tsv detatoko_badend.inc s i s s)
zr2_tsv_table(commands ojousama_names.tsv ojousama_names.inc s i s s)
zr2_tsv_table(commands flower_language.tsv flower_language.inc i s s s)
zr2_tsv_table(commands divination.tsv divination.inc i i n s)
