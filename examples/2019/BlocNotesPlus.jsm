; Messages des scripts de Bloc-notes Plus

Messages
@msgBnpWelcome
Bloc-notes Plus est prêt.
@@
@msgBnpStats
Statistiques du document : utilisez Ctrl+Maj+I.
@@
EndMessages
