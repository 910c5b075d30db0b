; Adaptation du script par défaut pour Bloc-notes Plus (JAWS 11).
; merge_file Default.jss
; merge_tag BlocNotesPlus
; merge_addend
