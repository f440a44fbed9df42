<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>Réussi</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>Réponse négative</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Erreur de communication</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>Opération annulée</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>Réponse inattendue</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>Connexion impossible</translation>
    </message>
    <message>
        <source>Cannot detect mount mode</source>
        <translation>Impossible de détecter le mode de la monture</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Déconnexion</translation>
    </message>
</context>
</TS>
