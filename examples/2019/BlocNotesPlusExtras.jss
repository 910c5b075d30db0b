; Commandes facultatives de Bloc-notes Plus

Include "HjConst.jsh"

Script BnpReadWholeLine ()
	SayLine ()
EndScript
