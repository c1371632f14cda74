' Greatest common divisor and least common multiple of two whole numbers
var a, b, g, m
input "First number? " a
input "Second number? " b
g = gcd((a), (b))
m = (a)*(b)/g
print "gcd = " g
print "lcm = " m
