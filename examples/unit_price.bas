' Unit price: which of two packs is the better buy?
var price1, size1, price2, size2, unit1, unit2
input "Price of pack 1? " price1
input "Size of pack 1? " size1
input "Price of pack 2? " price2
input "Size of pack 2? " size2
unit1 = round((price1)/(size1), 4)
unit2 = round((price2)/(size2), 4)
print "Pack 1: " unit1 " per unit"
print "Pack 2: " unit2 " per unit"
if (unit1 < unit2) then
	print "Pack 1 is the better buy"
elseif (unit2 < unit1) then
	print "Pack 2 is the better buy"
else
	print "Both cost the same per unit"
end
