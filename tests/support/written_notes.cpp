// SPDX-License-Identifier: MIT
// Notes written by hand, as people keep them: reminders, lists, addresses,
// codes and numbers, letters and recipes in six languages. Line breaks are
// written as line feeds here; realNotes() gives them as the cipher sees them.
#include "written_notes.h"

namespace samples {

namespace {

using enum Language;

const WrittenNote kWrittenNotes[] = {
    // English
    {English, U"Password for the NAS: Tr0ub4dor&3"},
    {English, U"Cancel Netflix, move the photos to iCloud"},
    {English, U"Send Tom £25 via PayPal for the tickets"},
    {English, U"Recipe: https://www.bbcgoodfood.com/recipes/easy-pancakes"},
    {English, U"Zoom link https://us02web.zoom.us/j/84512367890 passcode 4471"},
    {English, U"Feed the cat"},
    {English, U"Ring Dad re: car"},
    {English, U"Taxi at 6:15!!"},
    {English, U"Call mom back before 6"},
    {English, U"Dentist Tue 3:30pm"},
    {English, U"PIN 4711, door code 0815#"},
    {English, U"Buy milk, eggs and bread"},
    {English, U"Wifi password: sunflower-42"},
    {English, U"Bin day is Thursday!"},
    {English,
     U"Shopping:\n- milk\n- 6 eggs\n- bread (wholemeal)\n- bananas\n- coffee beans\n"
     U"- dish soap"},
    {English,
     U"Sarah Thompson\n42 Willow Lane\nBrighton BN1 4GH\nUnited Kingdom\n+44 1273 555 019"},
    {English,
     U"Flight BA 2491 from LHR, Terminal 5, departs 07:15 on 14 March. Booking ref "
     U"XK7P2Q, seat 23A."},
    {English,
     U"Dear Aunt Margaret,\n\nThank you so much for the lovely scarf you sent for my "
     U"birthday. It has been freezing here all week, so it arrived at exactly the right "
     U"moment. The children send their love and want to know when you are coming to visit "
     U"again; Lily has already planned a tea party for you in the garden.\n\nWork is busy but "
     U"good. We finally finished the kitchen, and I will send you some photos once the new "
     U"curtains are up.\n\nLots of love,\nHelen"},
    {English,
     U"Pancakes (serves 4)\n\n200 g flour\n2 eggs\n300 ml milk\n1 tbsp sugar\npinch of "
     U"salt\nbutter for the pan\n\nWhisk everything into a smooth batter and let it rest for "
     U"20 minutes. Heat a little butter in the pan and cook each pancake for about a minute "
     U"on each side."},
    {English,
     U"Meeting notes 12/03\n\t- budget approved\n\t- hire 2 devs by June\n\t- next "
     U"review: 2 April, 10am"},
    {English, U"Happy birthday Jake!! 🎂🎉 Party at ours Sat 8pm"},
    {English, U"Car service: 48,500 miles, oil changed, next due at 58,500. Cost £189.99"},
    {English, U"Library books due back 21.05 — 3 books"},
    {English, U"Gym: Mon/Wed/Fri 6:30am, Sat 9:00am swim"},
    {English, U"Tax ref: 123-456-789 / NI number QQ 12 34 56 C"},
    {English,
     U"To do:\n1. renew passport\n2. book hotel in Lisbon\n3. ask Tom about the "
     U"ladder\n4. water plants (every 3 days)"},
    {English, U"Bank: IBAN GB29 NWBK 6016 1331 9268 19, sort code 60-16-13"},
    {English, U"Remember: the spare key is under the blue flower pot by the back door."},
    {English, U"Kids' school pickup at 3:15, Emma has piano until 4"},
    {English, U"Mr. Chen's new number: (415) 555-0142, email chen.w@example.com"},
    {English, U"Don’t forget: Grandma’s 90th — 12 June, The Old Mill, Bourton-on-the-Water"},
    {English, U"Paint: living room \"Mellow Yellow\" 5L, hallway \"Cloud White\" 2.5L"},
    {English, U"Our new address from 1 September:\n17 Harbour Street, Flat 3\nPortsmouth PO1 2AB"},
    {English, U"Weight: 82.4 / 81.9 / 81.7 / 81.2 kg"},
    {English, U"Vet for Biscuit (cat) Thursday 11:40, bring the vaccination card"},
    {English, U"Train 18:04 platform 9, change at Reading, arrive 19:52"},
    {English, U"Russian words: привет (hello), спасибо (thank you), пожалуйста (please)"},
    {English, U"Lunch with Priya at the café on King St. 12:30 😄"},
    {English, U"Garden: raised beds, small pond, more lavender, fix the fence"},
    {English, U"Serial no. SN-88213-AX4, warranty until 03/2027"},
    {English, U"WLAN at the cottage: network SeaView_5G, password tide&moon2024"},
    {English, U"MUST DO TODAY: PAY COUNCIL TAX!!!"},
    {English,
     U"Thursday 9 May\n\nLong day. The bus broke down outside the station, so I walked the last "
     U"two miles in the rain and arrived soaked. Mr Patel was kind about it and lent me a "
     U"towel. In the afternoon we finally sorted out the order from Leeds: 240 boxes instead "
     U"of 420, which explains everything. Tomorrow I must ring the warehouse first thing and "
     U"ask them to send the rest before the weekend. Dinner was leftover curry. Bed early."},
    {English, U"Meds: 1 tablet morning + evening, with food. Refill on 3rd."},
    {English, U"Wedding RSVP by 30 April: 2 adults, 1 child (vegetarian)"},

    // Spanish
    {Spanish, U"Clave de la Play: Rt5$kM9!qZ"},
    {Spanish, U"Pasar las fotos del iPhone al portátil"},
    {Spanish, U"Grupo de WhatsApp: cumple de Nacho"},
    {Spanish, U"Receta: https://www.recetasderechupete.com/tortilla-de-patatas/1234/"},
    {Spanish, U"Mi usuario: lucia_garcia87, correo lucia.garcia@gmail.com"},
    {Spanish, U"Sacar la basura"},
    {Spanish, U"Llamar a Rocío"},
    {Spanish, U"Gym 19h, ¡sí!"},
    {Spanish, U"Llamar al fontanero mañana"},
    {Spanish, U"Cita médico jueves 10:45"},
    {Spanish, U"Comprar pan, leche y huevos"},
    {Spanish, U"Contraseña del wifi: Girasol2023"},
    {Spanish,
     U"Lista de la compra:\n- tomates\n- cebollas\n- aceite de oliva\n- arroz\n- 1 kg "
     U"de pollo\n- café"},
    {Spanish, U"Dirección de Lucía:\nCalle Mayor, 23, 4º B\n28013 Madrid\nTel. 612 345 678"},
    {Spanish, U"¿Recogiste las entradas del concierto? Sábado a las 21:00"},
    {Spanish, U"PIN tarjeta 2580, código portal 1357"},
    {Spanish, U"Reunión de vecinos el martes 7 a las 19:30 en el portal"},
    {Spanish,
     U"Tortilla de patatas\n\n4 huevos\n3 patatas medianas\n1 cebolla\naceite de oliva\nsal\n\n"
     U"Pelar las patatas y cortarlas en láminas finas. Freírlas a fuego lento con la cebolla "
     U"durante unos 20 minutos, escurrir el aceite y mezclarlas con los huevos batidos. "
     U"Cuajar la tortilla en la sartén, darle la vuelta con un plato y dejarla un par de "
     U"minutos más."},
    {Spanish,
     U"Querida abuela:\n\n¡Qué alegría recibir tu carta! Aquí todos estamos bien, aunque "
     U"Marta ha tenido un poco de fiebre esta semana. El colegio empezó el lunes y los niños "
     U"están muy contentos con sus nuevos profesores. En verano queremos ir a verte al pueblo; "
     U"papá dice que ya tiene las fechas y que esta vez nos quedaremos por lo menos dos "
     U"semanas.\n\nCuídate mucho y no trabajes tanto en el huerto.\n\nUn abrazo muy fuerte,\n"
     U"Clara"},
    {Spanish, U"Vuelo IB 3170 Madrid–Roma, salida 08:35, puerta K62, localizador ZT4M9P"},
    {Spanish, U"No olvidar: pagar la luz antes del día 15 (63,40 €)"},
    {Spanish, U"IBAN ES91 2100 0418 4502 0005 1332"},
    {Spanish, U"Cumpleaños de Pablo 🎈 el 3 de mayo, comprar regalo"},
    {Spanish,
     U"Tareas:\n1. llevar el coche al taller\n2. renovar el DNI\n3. llamar a Carmen\n"
     U"4. regar las plantas"},
    {Spanish, U"Farmacia: L-V 9:00-14:00 y 17:00-20:30, S 10:00-14:00"},
    {Spanish, U"Dr. Ruiz, consulta 3, planta 2ª"},
    {Spanish, U"El paquete llega entre las 14 y las 18 h, seguimiento 1Z999AA10123456784"},
    {Spanish, U"Recordar a Javi que me devuelva el taladro"},
    {Spanish, U"Gastos octubre: alquiler 750 €, luz 48 €, agua 22 €, internet 35 €"},
    {Spanish, U"¡Feliz aniversario! Reserva en La Barraca a las 21:30, mesa para dos"},
    {Spanish, U"Viaje: Granada, Córdoba, Sevilla, Cádiz. ¿Alquilamos coche?"},
    {Spanish, U"Inglés martes y jueves de 18 a 19:30, aula 12"},
    {Spanish, U"Teléfono de la academia: +34 954 21 33 80"},
    {Spanish, U"La contraseña del banco está en la libreta azul, no aquí 😉"},
    {Spanish, U"Salón: 4,20 m x 3,85 m, ventana 1,40 m"},
    {Spanish, U"Matrícula del coche nuevo: 4821 KLM"},
    {Spanish,
     U"Domingo\n\nHoy fuimos al mercado temprano y compramos fresas, espárragos y un queso "
     U"manchego buenísimo. Por la tarde vino Andrés con los niños y estuvimos en el parque "
     U"hasta que empezó a llover. Tengo que acordarme de devolverle el libro a Elena y de "
     U"preguntar en el trabajo por las vacaciones de agosto."},
    {Spanish,
     U"Cena viernes:\n\tentrante: gazpacho\n\tprincipal: merluza en salsa verde\n\t"
     U"postre: flan"},
    {Spanish, U"NIE X1234567L, caduca el 12/09/2026"},
    {Spanish, U"Clave del trastero: 4-7-1-9"},

    // French
    {French, U"Mot de passe Free : 7hG!pQ2x#Lm"},
    {French, U"Envoyer 20 € à Lucas par PayPal"},
    {French, U"Groupe WhatsApp de la classe : Mme Petit"},
    {French, U"Formulaire : https://www.service-public.fr/particuliers/vosdroits/F1234"},
    {French, U"Identifiant impots.gouv.fr : 1234567890123"},
    {French, U"Sortir le chien"},
    {French, U"Appeler papa !"},
    {French, U"Train 7h12 quai B"},
    {French, U"Appeler le plombier demain matin"},
    {French, U"RDV dentiste mardi 14h30"},
    {French, U"Acheter du pain, du lait et des œufs"},
    {French, U"Code Wi-Fi : Tournesol#2023"},
    {French,
     U"Courses :\n- 1 kg de pommes\n- beurre doux\n- 6 œufs\n- café moulu\n- lessive\n"
     U"- fromage râpé"},
    {French, U"Adresse de Julien :\n12, rue des Lilas\n69003 Lyon\nTél. 06 12 34 56 78"},
    {French, U"« Ne pas oublier le cadeau de Chloé » a dit maman."},
    {French, U"Digicode immeuble 4B29, boîte aux lettres n° 17"},
    {French, U"Réunion parents-profs jeudi 18h, salle 204"},
    {French,
     U"Crêpes (pour 6)\n\n250 g de farine\n4 œufs\n50 cl de lait\n1 pincée de sel\n2 c. à "
     U"soupe de sucre\n50 g de beurre fondu\n\nMélanger la farine et les œufs, ajouter le lait "
     U"petit à petit, puis le beurre. Laisser reposer la pâte une heure avant de faire cuire "
     U"les crêpes dans une poêle bien chaude."},
    {French,
     U"Chère Mamie,\n\nMerci beaucoup pour ta lettre et pour les photos de la maison. Ici tout "
     U"va bien : Léa a commencé la danse et Hugo ne parle plus que de son match de foot de "
     U"samedi. Nous pensons venir te voir à la Toussaint, si cela te convient. Dis-nous ce qui "
     U"te ferait plaisir, nous apporterons de quoi faire un bon repas.\n\nJe t’embrasse très "
     U"fort,\nCamille"},
    {French, U"Vol AF 1234 Paris CDG → Nice, départ 09h50, terminal 2F, réf. QW8ZP3"},
    {French, U"Payer la cantine avant le 5 (42,50 €)"},
    {French, U"IBAN FR76 3000 6000 0112 3456 7890 189"},
    {French, U"Anniversaire de Zoé 🎁 samedi 15h, apporter le gâteau"},
    {French,
     U"À faire :\n1. renouveler la carte d’identité\n2. appeler l’assurance\n3. tondre "
     U"la pelouse\n4. réserver le gîte"},
    {French, U"Pharmacie de garde : 03 88 45 12 90"},
    {French, U"Colis en point relais, code de retrait 583 912"},
    {French, U"Rendre la perceuse à Marc !"},
    {French, U"Budget mars : loyer 820 €, EDF 65 €, Internet 30 €, courses ~400 €"},
    {French, U"Dîner chez les Martin vendredi 20h, apporter une bouteille de vin"},
    {French, U"Vacances : Annecy du 12 au 19 août, gîte « Les Sapins »"},
    {French, U"Cours de piano le mercredi à 17h15 (Mme Lefèvre)"},
    {French, U"Numéro de sécu : 1 85 05 78 006 084 36"},
    {French, U"Dimensions du salon : 4,50 × 3,80 m, hauteur 2,60 m"},
    {French, U"Immatriculation : AB-123-CD"},
    {French,
     U"Lundi\n\nJournée chargée au bureau. Le client de Bordeaux a enfin signé le contrat, "
     U"après trois semaines d’hésitation. En rentrant, je suis passée chez le cordonnier "
     U"récupérer mes bottes et j’ai croisé Sophie, qui m’a invitée à son vernissage le 14. "
     U"Penser à prendre des nouvelles de papa, il avait l’air fatigué dimanche."},
    {French, U"Mot de passe de la box au dos du routeur, pas ici 😉"},
    {French,
     U"Menu de Noël :\n\tentrée : foie gras\n\tplat : chapon aux marrons\n\tdessert : "
     U"bûche glacée"},
    {French, U"ŒUVRES À RENDRE À LA MÉDIATHÈQUE AVANT LE 3 !"},
    {French, U"Relevé compteur eau : 1 254 m³ le 02/01"},

    // Italian
    {Italian, U"Password Netflix: Gk8!mP3#xQ"},
    {Italian, U"Caricare le foto su iCloud"},
    {Italian, U"Mandare 15 € a Giulia con PayPal"},
    {Italian, U"Biglietti: https://www.trenitalia.com/it.html?lang=it codice PNR ABC123"},
    {Italian, U"Email di Paolo: paolo.rossi@libero.it"},
    {Italian, U"Pagare l'affitto"},
    {Italian, U"Chiamare papà"},
    {Italian, U"Treno 7:12 bin. 3"},
    {Italian, U"Chiamare l'idraulico domani"},
    {Italian, U"Dentista martedì ore 15:30"},
    {Italian, U"Comprare pane, latte e uova"},
    {Italian, U"Password del wifi: Girasole_77"},
    {Italian,
     U"Spesa:\n- pomodori\n- mozzarella\n- basilico\n- 500 g di spaghetti\n- olio d'oliva\n"
     U"- caffè"},
    {Italian,
     U"Indirizzo di Marco:\nVia Garibaldi 18, int. 5\n20121 Milano (MI)\nCell. 347 123 4567"},
    {Italian, U"Ricordarsi di prenotare il ristorante per sabato sera!"},
    {Italian, U"Codice portone 2468, PIN bancomat 9135"},
    {Italian, U"Riunione di condominio giovedì alle 21 in cortile"},
    {Italian,
     U"Tiramisù (per 6)\n\n500 g di mascarpone\n4 uova\n100 g di zucchero\n300 g di "
     U"savoiardi\ncaffè forte\ncacao amaro\n\nMontare i tuorli con lo zucchero, unire il "
     U"mascarpone e poi gli albumi montati a neve. Bagnare i savoiardi nel caffè, alternare "
     U"strati di biscotti e crema e finire con il cacao. Lasciare in frigo almeno 4 ore."},
    {Italian,
     U"Cara nonna,\n\ngrazie di cuore per il pacco che ci hai mandato: le marmellate sono "
     U"buonissime e i bambini hanno già finito quella di fichi. Qui fa ancora caldo e "
     U"andiamo al mare ogni fine settimana. Luca ha cominciato a nuotare da solo ed è "
     U"orgogliosissimo. A settembre verremo a trovarti, così mi insegni finalmente la ricetta "
     U"del ragù.\n\nUn abbraccio forte,\nGiulia"},
    {Italian, U"Volo AZ 610 Roma–New York, partenza 10:15, gate E14, codice PNR KJ8L2M"},
    {Italian, U"Pagare la bolletta della luce entro il 20 (58,30 €)"},
    {Italian, U"IBAN IT60 X054 2811 1010 0000 0123 456"},
    {Italian, U"Compleanno di Sofia 🎂 domenica alle 16, portare i palloncini"},
    {Italian,
     U"Da fare:\n1. rinnovare la carta d'identità\n2. portare la macchina dal "
     U"meccanico\n3. chiamare Paolo\n4. innaffiare le piante"},
    {Italian, U"Farmacia di turno: tel. 06 4450 123"},
    {Italian, U"Pacco al punto di ritiro, codice 7731 0042"},
    {Italian, U"Restituire il trapano a Franco"},
    {Italian, U"Spese di maggio: affitto 700 €, gas 40 €, telefono 25 €"},
    {Italian, U"Cena da Laura venerdì alle 20:30, porto il dolce"},
    {Italian, U"Vacanze: Sardegna dal 3 al 17 agosto, traghetto da Livorno alle 22:00"},
    {Italian, U"Lezione di chitarra mercoledì 18:00 (maestro Rossi)"},
    {Italian, U"Codice fiscale: RSSMRA85T10A562S"},
    {Italian, U"Misure cucina: 3,40 x 2,90 m"},
    {Italian, U"Targa auto nuova: GA 123 BC"},
    {Italian,
     U"Domenica\n\nStamattina siamo andati al mercato e abbiamo comprato carciofi, fragole e "
     U"un pecorino stagionato. Nel pomeriggio è passata Anna con il cane e siamo rimasti in "
     U"giardino fino al tramonto. Domani devo ricordarmi di chiamare il commercialista e di "
     U"spedire il modulo all'università."},
    {Italian, U"La password della banca è nel quaderno rosso 😉"},
    {Italian,
     U"Menù di Natale:\n\tantipasto: salumi misti\n\tprimo: lasagne\n\tsecondo: "
     U"arrosto\n\tdolce: panettone"},
    {Italian, U"NON DIMENTICARE: BOLLO AUTO ENTRO IL 31!"},
    {Italian, U"Lettura contatore gas: 03456,78 m³"},

    // German
    {German, U"WLAN-Passwort: Xk9#mQ2!pL"},
    {German, U"iPhone-Ladekabel kaufen"},
    {German, U"WhatsApp-Gruppe für den Elternabend anlegen"},
    {German, U"Rezept: https://www.chefkoch.de/rezepte/1234567/Lasagne.html"},
    {German, U"Benutzername: anna.mueller_84, Passwort im Safe"},
    {German, U"Milch kaufen"},
    {German, U"Oma anrufen!"},
    {German, U"Bus 7:12 Gleis 3"},
    {German, U"Klempner morgen früh anrufen"},
    {German, U"Zahnarzt Di 15:30 Uhr"},
    {German, U"Brot, Milch und Eier kaufen"},
    {German, U"WLAN-Passwort: Sonnenblume!84"},
    {German,
     U"Einkaufen:\n- 1 kg Äpfel\n- Butter\n- 10 Eier\n- Kaffee\n- Waschmittel\n- Käse "
     U"(gerieben)"},
    {German, U"Adresse von Jonas:\nLindenstraße 12\n10115 Berlin\nTel. 030 1234567"},
    {German, U"PIN 4711, Türcode 0815#"},
    {German, U"Elternabend Donnerstag 19 Uhr, Raum 204"},
    {German, U"Müll rausstellen! Gelber Sack am Mittwoch"},
    {German,
     U"Pfannkuchen (für 4)\n\n250 g Mehl\n3 Eier\n500 ml Milch\n1 Prise Salz\n1 EL "
     U"Zucker\nButter zum Braten\n\nMehl, Eier und Milch zu einem glatten Teig verrühren und "
     U"eine halbe Stunde quellen lassen. Etwas Butter in der Pfanne erhitzen und die "
     U"Pfannkuchen von beiden Seiten goldbraun backen."},
    {German,
     U"Liebe Oma,\n\nvielen Dank für deinen Brief und das schöne Foto vom Garten. Bei uns ist "
     U"alles gut: Paul hat jetzt Schwimmunterricht und Mia übt jeden Tag Flöte, manchmal "
     U"etwas zu laut. Im Sommer möchten wir dich gern für eine Woche besuchen, wenn es dir "
     U"passt. Sag uns einfach, was wir mitbringen sollen.\n\nViele liebe Grüße,\ndeine Anna"},
    {German, U"Flug LH 400 Frankfurt → New York, Abflug 10:05, Gate Z25, Buchungscode R7TQ4M"},
    {German, U"Stromabschlag bis zum 15. überweisen (84,00 €)"},
    {German, U"IBAN DE89 3704 0044 0532 0130 00"},
    {German, U"Geburtstag von Lukas 🎉 Samstag 15 Uhr, Geschenk besorgen"},
    {German,
     U"Zu erledigen:\n1. Personalausweis verlängern\n2. Versicherung anrufen\n3. "
     U"Rasen mähen\n4. Ferienwohnung buchen"},
    {German, U"Apotheke Notdienst: 0711 / 22 33 44"},
    {German, U"Paket in der Packstation 127, Abholcode 483920"},
    {German, U"Bohrmaschine an Herrn Weber zurückgeben"},
    {German, U"Ausgaben Mai: Miete 950 €, Strom 70 €, Internet 35 €"},
    {German, U"Abendessen bei Müllers Freitag 19:30, Wein mitbringen"},
    {German, U"Urlaub: Ostsee 5.–19. Juli, Ferienhaus „Möwennest“"},
    {German, U"Klavierstunde mittwochs 16:45 bei Frau Schäfer"},
    {German, U"Steuer-ID: 12 345 678 901"},
    {German, U"Wohnzimmer: 4,80 × 3,60 m, Fenster 1,50 m breit"},
    {German, U"Kennzeichen: B-XY 1234"},
    {German,
     U"Sonntag\n\nHeute waren wir auf dem Flohmarkt und haben eine alte Kommode für 25 € "
     U"gefunden. Nachmittags kamen Sabine und Thomas zum Kaffee, und wir haben bis zum Abend "
     U"Karten gespielt. Morgen muss ich unbedingt das Auto zum TÜV bringen und bei der "
     U"Hausverwaltung wegen der Heizung nachfragen."},
    {German, U"Das Bankpasswort steht im blauen Heft, nicht hier 😉"},
    {German,
     U"Weihnachtsmenü:\n\tVorspeise: Feldsalat\n\tHauptgang: Gans mit Rotkohl\n\t"
     U"Nachtisch: Bratapfel"},
    {German, U"NICHT VERGESSEN: KFZ-STEUER BIS ZUM 30.!"},
    {German, U"Zählerstand Gas am 01.01.: 12345,678 m³"},
    {German, U"Straßenbahn 12 um 7:48 ab Hauptbahnhof, Gleis 3"},
    {German, U"Schlüssel für Frau Özdemir beim Hausmeister abgeben"},

    // Portuguese
    {Portuguese, U"Senha do email: Qw3!rT8#yU"},
    {Portuguese, U"Vídeo do YouTube para a avó"},
    {Portuguese, U"Mandar o recibo pelo WhatsApp"},
    {Portuguese, U"Formulário: https://www.portaldasfinancas.gov.pt/at/html/index.html"},
    {Portuguese, U"Email da Inês: ines.costa@sapo.pt"},
    {Portuguese, U"Tirar o lixo"},
    {Portuguese, U"Ligar à mãe!"},
    {Portuguese, U"Comboio 7h12 linha 3"},
    {Portuguese, U"Ligar para o canalizador amanhã"},
    {Portuguese, U"Dentista terça às 15h30"},
    {Portuguese, U"Comprar pão, leite e ovos"},
    {Portuguese, U"Senha do wifi: Girassol@2023"},
    {Portuguese,
     U"Lista de compras:\n- tomates\n- cebolas\n- azeite\n- arroz\n- 1 kg de "
     U"frango\n- café\n- sabão em pó"},
    {Portuguese,
     U"Morada da Inês:\nRua das Flores, 45, 2.º Esq.\n1200-195 Lisboa\nTel. 912 345 678"},
    {Portuguese, U"Não esquecer o presente da Beatriz!"},
    {Portuguese, U"PIN do cartão 3698, código do portão 2514"},
    {Portuguese, U"Reunião de condomínio quinta às 20h na garagem"},
    {Portuguese,
     U"Bolo de cenoura\n\n3 cenouras médias\n4 ovos\n1 chávena de óleo\n2 chávenas de "
     U"açúcar\n2 chávenas de farinha\n1 colher de sopa de fermento\n\nBater as cenouras com "
     U"os ovos e o óleo no liquidificador. Juntar o açúcar e a farinha, e por fim o fermento. "
     U"Levar ao forno a 180 °C durante cerca de 40 minutos."},
    {Portuguese,
     U"Querida avó,\n\nmuito obrigada pela carta e pelas fotografias do jardim. Por aqui está "
     U"tudo bem: o Tiago começou a natação e a Rita já lê sozinha, o que nos deixa muito "
     U"orgulhosos. Em agosto queremos passar uns dias contigo na aldeia, se te der jeito. "
     U"Diz-nos o que precisas e levamos tudo.\n\nUm beijinho grande,\nMariana"},
    {Portuguese, U"Voo TP 1352 Lisboa–Paris, partida 07:40, porta 14, reserva ABC7XK"},
    {Portuguese, U"Pagar a luz até dia 10 (47,85 €)"},
    {Portuguese, U"IBAN PT50 0002 0123 1234 5678 9015 4"},
    {Portuguese, U"Aniversário do João 🎂 sábado às 16h, levar balões"},
    {Portuguese,
     U"Tarefas:\n1. renovar o cartão de cidadão\n2. levar o carro à revisão\n3. "
     U"ligar à Fernanda\n4. regar as plantas"},
    {Portuguese, U"Farmácia de serviço: 21 345 6789"},
    {Portuguese, U"Encomenda no ponto de recolha, código 90 44 17"},
    {Portuguese, U"Devolver o berbequim ao Sr. Costa"},
    {Portuguese, U"Despesas de março: renda 650 €, água 18 €, internet 30 €"},
    {Portuguese, U"Jantar em casa da Sofia sexta às 20h30, levar sobremesa"},
    {Portuguese, U"Férias: Algarve de 1 a 15 de agosto, apartamento em Lagos"},
    {Portuguese, U"Aulas de guitarra às quartas, 18h (professor Nuno)"},
    {Portuguese, U"NIF 123 456 789, Segurança Social 12345678901"},
    {Portuguese, U"Sala: 4,10 x 3,70 m, janela 1,20 m"},
    {Portuguese, U"Matrícula do carro novo: AA-12-BB"},
    {Portuguese,
     U"Domingo\n\nHoje fomos à feira cedo e comprámos morangos, queijo da serra e pão de "
     U"centeio. À tarde vieram os primos e ficámos no quintal até anoitecer. Amanhã tenho de "
     U"ligar ao contabilista e enviar os documentos para a escola da Leonor. Não me posso "
     U"esquecer da consulta do pai na quarta-feira."},
    {Portuguese, U"A senha do banco está no caderno verde 😉"},
    {Portuguese,
     U"Ceia de Natal:\n\tentrada: caldo verde\n\tprato: bacalhau com batatas\n\t"
     U"sobremesa: rabanadas"},
    {Portuguese, U"NÃO ESQUECER: PAGAR O IUC ATÉ DIA 31!"},
    {Portuguese, U"Leitura do contador da água: 00845 m³"},
    {Portuguese, U"Ônibus 175 sai às 6h40 da Praça da Sé"},
    {Portuguese, U"Informações da escola: reunião às 18h, sala 3"},
};

}  // namespace

std::span<const WrittenNote> writtenNotes() {
    return kWrittenNotes;
}

}  // namespace samples
