unit Walks;

interface

implementation

procedure Walk(n: Integer);
var
  i: Integer;
begin
  { halve or step
    down to zero }
  while n > 0 do
  begin
    if n mod 2 = 0 then
      n := n div 2   // even
    else
      n := n - 1;
  end;
end;

end.
