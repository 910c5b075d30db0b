; Déclarations globales des scripts de Bloc-notes Plus

Globals
	Int gbBnpWelcomed
